// tellvane-viewer: the annual chart of a station-year on the desktop.
//   tellvane-viewer [--stations CATALOGUE] [DATA...]
// Data files or folders named on the command line are opened and drawn at once.
#include <QApplication>
#include <QCommandLineParser>
#include <filesystem>
#include <vector>

#include "apps/viewer/ViewerWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tellvane-viewer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tellvane viewer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the annual chart of a station-year of water data."));
    parser.addHelpOption();
    const QCommandLineOption stations(QStringLiteral("stations"),
                                      QStringLiteral("Station catalogue CSV: station,name,water_system,river."),
                                      QStringLiteral("file"));
    parser.addOption(stations);
    parser.addPositionalArgument(QStringLiteral("data"),
                                 QStringLiteral("Hourly CSV files, water information database downloads (.dat) "
                                                "or folders of them."),
                                 QStringLiteral("[data...]"));
    parser.process(app);

    tellvane::viewer::ViewerWindow window;
    window.show();
    if (parser.isSet(stations)) window.openCatalogue(parser.value(stations).toStdU16String());
    std::vector<std::filesystem::path> data;
    for (const QString& name : parser.positionalArguments()) data.emplace_back(name.toStdU16String());
    if (!data.empty() && window.openData(data)) window.draw();
    return QApplication::exec();
}
