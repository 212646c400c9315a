#include "DialogBuilder.h"

#include "DialogUnits.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kIconPixels = 32;
// The smallest text a caption is set in to fit its button.
constexpr double kSmallestCaptionPt = 5;

// A caption wider than the room its button leaves it ("Cancel" in 18 units) takes the narrow
// face of the dialog's, then smaller sizes, so it shows whole where the template puts it.
void fitCaption(QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    const int room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    QFont font = button.font();
    if (QFontMetrics(font).horizontalAdvance(button.text()) <= room)
        return;
    font.setFamily(QStringLiteral("Liberation Sans Narrow"));
    while (QFontMetrics(font).horizontalAdvance(button.text()) > room &&
           font.pointSizeF() > kSmallestCaptionPt)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button.setFont(font);
}

QWidget* standardControl(const ControlTemplate& control, QDialog& dialog) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.cls) {
    case ControlClass::Button:
        if (control.style & kAutoCheckBox)
            return new QCheckBox(text, &dialog);
        else {
            auto* button = new QPushButton(text, &dialog);
            button->setDefault((control.style & kDefPushButton) != 0);
            // As in any dialog, IDOK and IDCANCEL end it.
            if (control.id == IDOK)
                QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
            if (control.id == IDCANCEL)
                QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
            return button;
        }
    case ControlClass::Edit: {
        auto* edit = new QLineEdit(text, &dialog);
        edit->setFrame((control.style & kBorder) != 0);
        return edit;
    }
    case ControlClass::Static: {
        auto* label = new QLabel(&dialog);
        if (control.style & kIconStatic) {
            label->setPixmap(dialog.windowIcon().pixmap(kIconPixels, kIconPixels));
        } else {
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        return label;
    }
    }
    return nullptr;
}

} // namespace

void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                 const std::function<QWidget*(const ControlTemplate&)>& custom) {
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    // Where the classic dialog face is missing, its metric twin of Arial comes closest.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont font(QString::fromUtf8(dialogTemplate.fontFace));
    font.setPointSize(dialogTemplate.fontPoints);
    dialog.setFont(font);
    dialog.resize(DialogUnitsToPixels(0, 0, dialogTemplate.w, dialogTemplate.h).size());

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = custom ? custom(control) : nullptr;
        if (widget == nullptr)
            widget = standardControl(control, dialog);
        widget->setParent(&dialog);
        widget->setProperty("controlId", control.id);
        widget->setGeometry(DialogUnitsToPixels(control.x, control.y, control.w, control.h));
        // An icon control takes the size of its icon, whatever the template says.
        if (control.style & kIconStatic)
            widget->resize(kIconPixels, kIconPixels);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            fitCaption(*button);
        if (control.style & kTabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop != nullptr)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
}

QWidget* GetDlgItem(const QWidget& dialog, int id) {
    for (QObject* child : dialog.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && widget->property("controlId").toInt() == id &&
            widget->property("controlId").isValid())
            return widget;
    }
    return nullptr;
}
