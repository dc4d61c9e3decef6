// Puts the control on a window, answers its signals from a made-up year and saves
// the chart: tellvane_host <png file>. Exits non-zero when anything is missing.
#include <QApplication>
#include <cstdio>

#include "hostkit/TenDayBlocks.h"
#include "qt/TZenzuWidget.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <png file>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    tellvane::TZenzuWidget chart;
    QObject::connect(
        &chart, &tellvane::TZenzuWidget::GetBlockData, [](std::int32_t& datano, tellvane::BlockArray& Suii, bool& ret) {
            const tellvane::BlockSpan span = tellvane::blockSpan(2001, datano);
            tellvane::fillBlock(Suii, span, [&](int day, int) {
                return std::u16string(span.month >= 6 && span.month <= 9 ? u"12.5" : u"3.25") + (day % 2 ? u"" : u"0");
            });
            ret = true;
        });
    QObject::connect(&chart, &tellvane::TZenzuWidget::GetLKansokujo,
                     [](QString&, QString& Kansokujo, QString& Suikei, QString& Kasen) {
                         Kansokujo = QStringLiteral("茂志利");
                         Suikei = Kasen = QStringLiteral("天塩川");
                     });
    chart.resize(800, 600);
    chart.show();
    chart.control().setKansokujoNO(u"301011281104020");
    chart.control().setSeireki(2001);
    if (!chart.control().NenZu()) return 1;
    chart.picture().savePng(argv[1]);
    std::printf("axis %s to %s\n", QString::fromStdU16String(chart.control().txtMin()).toUtf8().constData(),
                QString::fromStdU16String(chart.control().txtMax()).toUtf8().constData());
    return 0;
}
