#include "ChartPng.h"

#include "OutputMarks.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <string>
#include <vector>

namespace {

void append(png_structp png, png_bytep data, size_t length) {
    auto* bytes = static_cast<QByteArray*>(png_get_io_ptr(png));
    bytes->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void noFlush(png_structp) {}

// The encoder reports an error by jumping back here, so nothing with a destructor lives in
// this frame: whatever it holds belongs to the caller.
bool encode(png_structp png, png_infop info, const QImage& image, png_text* mark, png_byte* row) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, static_cast<png_uint_32>(image.dotsPerMeterX()),
                 static_cast<png_uint_32>(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_text(png, info, mark, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    png_set_compression_level(png, 3);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        png_byte* out = row;
        for (int x = 0; x < image.width(); ++x) {
            *out++ = static_cast<png_byte>(qRed(pixels[x]));
            *out++ = static_cast<png_byte>(qGreen(pixels[x]));
            *out++ = static_cast<png_byte>(qBlue(pixels[x]));
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

} // namespace

std::optional<QByteArray> ChartPng(const QImage& image) {
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return std::nullopt;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return std::nullopt;
    }
    QByteArray bytes;
    png_set_write_fn(png, &bytes, append, noFlush);
    std::string key(kPngMarkKey);
    QByteArray author = kMarkAuthor.toLatin1();
    png_text mark{};
    mark.compression = PNG_TEXT_COMPRESSION_NONE;
    mark.key = key.data();
    mark.text = author.data();
    std::vector<png_byte> row(static_cast<size_t>(image.width()) * 3);
    const bool encoded = encode(png, info, image, &mark, row.data());
    png_destroy_write_struct(&png, &info);
    if (!encoded)
        return std::nullopt;
    return bytes;
}
