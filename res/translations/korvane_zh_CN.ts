<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>it is no name a file can have here</source>
        <translation>这不是此处可用的文件名</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>following %1/ · newest: %2</source>
        <translation>正在跟踪 %1/ · 最新：%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Exporting to %1: %2 MB written</source>
        <translation>正在导出到 %1：已写入 %2 MB</translation>
    </message>
    <message>
        <source>Export to %1 cancelled; nothing was written</source>
        <translation>已取消导出到 %1；未写入任何内容</translation>
    </message>
    <message>
        <source>Measurement files (%1)</source>
        <translation>测量文件 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open a measurement file (Ctrl+O) or drop one here.</source>
        <translation>打开一个测量文件（Ctrl+O），或将文件拖放到这里。</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>图</translation>
    </message>
    <message>
        <source>Path of the measurement file</source>
        <translation>测量文件的路径</translation>
    </message>
    <message>
        <source>Path of a measurement file</source>
        <translation>测量文件的路径</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Picture…</source>
        <translation>保存图片(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>复制图片(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Start −Z″ at &amp;Zero</source>
        <translation>−Z″ 从零开始(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Korvane</source>
        <translation>关于 Korvane(&amp;A)</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>%1 — Korvane</source>
        <translation>%1 — Korvane</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>关于 Korvane</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Export Data…</source>
        <translation>导出数据(&amp;E)…</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Korvane %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Watches an impedance measurement file and draws it as a Nyquist or Bode diagram, read anew every 2 seconds while the instrument writes it.&lt;/p&gt;&lt;p&gt;Reads files of %2.&lt;/p&gt;&lt;p&gt;The &lt;a href=&quot;%3&quot;&gt;README&lt;/a&gt; tells how to use it.&lt;/p&gt;&lt;p&gt;The example files in samples/ are Korvane&apos;s own. The instrument files among the tests keep their makers&apos; licences: MIT (impedance.py, AutoEIS, Zahner, a PalmSens session), BSD-3-Clause (hybrid-drt, PalmSens) and CC-BY-4.0 (galvani); tests/measurement/samples/NOTICE.md holds every notice.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Korvane %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;监视阻抗测量文件，并将其绘制为奈奎斯特图或伯德图；仪器写入文件时，每 2 秒重新读取一次。&lt;/p&gt;&lt;p&gt;可读取以下文件：%2。&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;README&lt;/a&gt; 介绍了使用方法。&lt;/p&gt;&lt;p&gt;samples/ 中的示例文件属于 Korvane 自身。测试所用的仪器文件保留其原作者的许可证：MIT（impedance.py、AutoEIS、Zahner、一个 PalmSens 会话文件）、BSD-3-Clause（hybrid-drt、PalmSens）和 CC-BY-4.0（galvani）；全部声明见 tests/measurement/samples/NOTICE.md。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Gamry, BioLogic (also its .mpr while EC-Lab writes it), Zahner, ZView, CH Instruments, Metrohm Nova and PalmSens, CSV and plain columns of numbers</source>
        <translation>Gamry、BioLogic（包括 EC-Lab 正在写入的 .mpr）、Zahner、ZView、CH Instruments、Metrohm Nova 和 PalmSens 的文件，CSV 以及纯数字列</translation>
    </message>
    <message>
        <source>S&amp;weeps</source>
        <translation>扫描(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Last Only</source>
        <translation>仅最后一次(&amp;L)</translation>
    </message>
    <message>
        <source>Last &amp;5</source>
        <translation>最后 5 次(&amp;5)</translation>
    </message>
    <message>
        <source>Open measurement files</source>
        <translation>打开测量文件</translation>
    </message>
    <message>
        <source>&amp;Add File…</source>
        <translation>添加文件(&amp;A)…</translation>
    </message>
    <message>
        <source>Re&amp;move File</source>
        <translation>移除文件(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Close All</source>
        <translation>全部关闭(&amp;C)</translation>
    </message>
    <message>
        <source>%1 and %2 more — Korvane</source>
        <translation>%1 及另外 %2 个 — Korvane</translation>
    </message>
    <message>
        <source> · %1 files</source>
        <translation> · %1 个文件</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>已消失</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>选择(&amp;C)…</translation>
    </message>
    <message>
        <source>Choose Sweeps</source>
        <translation>选择扫描</translation>
    </message>
    <message>
        <source>Sweeps</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>sweep %1</source>
        <translation>扫描 %1</translation>
    </message>
    <message>
        <source>&amp;Connect Points</source>
        <translation>连接数据点(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Marker Size</source>
        <translation>标记大小(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>小(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>大(&amp;L)</translation>
    </message>
    <message>
        <source>Follow folder</source>
        <translation>跟踪文件夹</translation>
    </message>
    <message>
        <source>&amp;Follow Folder…</source>
        <translation>跟踪文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>Last &amp;N Files</source>
        <translation>最近 &amp;N 个文件</translation>
    </message>
    <message>
        <source>Cannot read the folder %1: %2</source>
        <translation>无法读取文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Waiting for a measurement file in %1…</source>
        <translation>正在等待 %1 中出现测量文件…</translation>
    </message>
    <message>
        <source> · switched to %1 at %2</source>
        <translation> · 已于 %2 切换到 %1</translation>
    </message>
    <message>
        <source>&amp;Residuals</source>
        <translation>残差(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Options…</source>
        <translation>选项(&amp;O)…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Complex</source>
        <translation>复数</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>实部</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>虚部</translation>
    </message>
    <message>
        <source>Kramers–Kronig &amp;fit:</source>
        <translation>Kramers–Kronig 拟合(&amp;F)：</translation>
    </message>
    <message>
        <source>Elements added until &amp;mu is at most:</source>
        <translation>增加元件直到 mu 不大于(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Largest residual of a valid sweep:</source>
        <translation>有效扫描的最大残差(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Series capacitance (blocking electrodes)</source>
        <translation>串联电容（阻塞电极）(&amp;S)</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>趋势</translation>
    </message>
    <message>
        <source>Fitted parameters</source>
        <translation>拟合参数</translation>
    </message>
    <message>
        <source>Parameter followed</source>
        <translation>跟踪的参数</translation>
    </message>
    <message>
        <source>&amp;Trend</source>
        <translation>趋势(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>参数(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>分析(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Fit Circuit…</source>
        <translation>拟合电路(&amp;F)…</translation>
    </message>
    <message>
        <source>Fit Circuit</source>
        <translation>拟合电路</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source> (Randles)</source>
        <translation> (Randles)</translation>
    </message>
    <message>
        <source>&amp;Circuit:</source>
        <translation>电路(&amp;C)：</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位权重</translation>
    </message>
    <message>
        <source>Modulus (1/|Z|²)</source>
        <translation>模值 (1/|Z|²)</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>&amp;Weighting:</source>
        <translation>权重(&amp;W)：</translation>
    </message>
</context>
<context>
    <name>KkVerdict</name>
    <message>
        <source>KK valid, largest residual %1 %</source>
        <translation>KK 有效，最大残差 %1 %</translation>
    </message>
    <message>
        <source>KK: residuals up to %1 % below %2: drift?</source>
        <translation>KK：低于 %2 时残差达 %1 %：漂移？</translation>
    </message>
    <message>
        <source>KK: residuals up to %1 % above %2: wiring or induction?</source>
        <translation>KK：高于 %2 时残差达 %1 %：接线或电感？</translation>
    </message>
    <message>
        <source>KK: residuals up to %1 % from %2 to %3</source>
        <translation>KK：%2 至 %3 间残差达 %1 %</translation>
    </message>
</context>
<context>
    <name>PlotArea</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>图片另存为</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>图片另存为…</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>PlotViewControl</name>
    <message>
        <source>Nyquist diagram</source>
        <translation>奈奎斯特图</translation>
    </message>
    <message>
        <source>Bode diagram</source>
        <translation>伯德图</translation>
    </message>
    <message>
        <source>Equal scales</source>
        <translation>等比例坐标</translation>
    </message>
    <message>
        <source>Reset view</source>
        <translation>重置视图</translation>
    </message>
    <message>
        <source>format: %1</source>
        <translation>格式：%1</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 个点</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>相位</translation>
    </message>
    <message>
        <source>line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>sweep %1 of %2</source>
        <translation>第 %1 次扫描，共 %2 次</translation>
    </message>
    <message>
        <source>fit</source>
        <translation>拟合</translation>
    </message>
</context>
<context>
    <name>SavePictureDialog</name>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG drawing (*.svg);;PNG image (*.png)</source>
        <translation>PDF 文档 (*.pdf);;SVG 矢量图 (*.svg);;PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> 磅</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>文件(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>尺寸(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Resolution (dpi):</source>
        <translation>分辨率 (dpi)(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Text size:</source>
        <translation>字号(&amp;T)：</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 × %4 cm printed</source>
        <translation>%1 × %2 像素，打印为 %3 × %4 厘米</translation>
    </message>
    <message>
        <source>%1 is kept: %2. Save offers %3 instead.</source>
        <translation>保留 %1：%2。改为保存到 %3。</translation>
    </message>
    <message>
        <source>%1 is no name a file can have here.</source>
        <translation>%1 不是此处可用的文件名。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 was drawn by Korvane before. Replace it?</source>
        <translation>%1 是 Korvane 之前绘制的。要替换它吗？</translation>
    </message>
</context>
<context>
    <name>WindowStatus</name>
    <message>
        <source> (cut short)</source>
        <translation>（末尾记录不完整）</translation>
    </message>
    <message>
        <source>plain text</source>
        <translation>纯文本</translation>
    </message>
    <message>
        <source>PalmSens session</source>
        <translation>PalmSens 会话</translation>
    </message>
    <message>
        <source>Open a measurement file to watch it.</source>
        <translation>打开一个测量文件以进行监视。</translation>
    </message>
    <message>
        <source>Waiting for %1 to appear…</source>
        <translation>正在等待 %1 出现…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>正在读取 %1…</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · read %4</source>
        <translation>%1 · %2 · %3 · 读取于 %4</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 个点</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 个点</translation>
    </message>
    <message>
        <source>%1 is gone — showing what was read at %2</source>
        <translation>%1 已不存在 — 显示的是 %2 读取的内容</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>it is not a file that can be read</source>
        <translation>它不是可读取的文件</translation>
    </message>
</context>
</TS>
