// One paint of the info panel showing a rune word of 40 lines in the closed
// band's panel, at the top and scrolled to its end: the frame, the lines that
// show, and the triangles that say more lies above or below.

#include "mainwindow/fonts.h"
#include "mainwindow/formgeometry.h"
#include "mainwindow/infopanel.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "widgetbench.h"

#include <benchmark/benchmark.h>

namespace {

QList<rcl::PanelLine> fortyLines()
{
    using namespace rcl::panelsize;
    QList<rcl::PanelLine> lines{{QStringLiteral("  Breath of the Dying"), RuneWordName, true},
                                {QStringLiteral("  Req Rune : Vex + Hel + El + Eld + Zod + Eth"), RuneWordBody, true},
                                {QStringLiteral("  Req Lv : 69"), RuneWordBody, true},
                                {QStringLiteral("  Item Type : Weapons"), RuneWordBody, true},
                                {QStringLiteral(" Effect :"), RuneWordHeading, true}};
    while (lines.size() < 40)
        lines.append({QStringLiteral("    +%1% Enhanced Damage").arg(lines.size() * 7), RuneWordBody, true});
    return lines;
}

void panelPaint(benchmark::State &state)
{
    rcl::InfoPanel panel;
    panel.setFont(rcl::fonts::timesNewRoman(9));
    panel.setGeometry(rcl::toPixels(rcl::form::Picture1));
    panel.print(fortyLines());
    // The keys the panel takes scroll it as a user would.
    if (state.range(0) != 0) {
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(&panel, &end);
    }
    if (!panel.scroll().scrolls())
        state.SkipWithError("the lines fit the panel");
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["first line"] = panel.scroll().first();
}

} // namespace

BENCHMARK(panelPaint)->ArgName("at the end")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
