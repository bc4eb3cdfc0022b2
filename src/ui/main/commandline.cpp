#include "ui/main/commandline.h"

#include <QFileInfo>

namespace tallywick {

ProgramCommandLine::ProgramCommandLine() :
    dataDir_(QStringLiteral("data-dir"), QStringLiteral("Keep the history and the other data files in DIR."),
             QStringLiteral("DIR")),
    config_(QStringLiteral("config"), QStringLiteral("Read and write the settings in FILE."), QStringLiteral("FILE"))
{
    parser_.setApplicationDescription(QStringLiteral("Counts the downloads in a web site's access log."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(dataDir_);
    parser_.addOption(config_);
    parser_.addPositionalArgument(
        QStringLiteral("REPORT"),
        QStringLiteral("Open and search these access logs, several as one report (rotated logs, oldest first). "
                       "When Tallywick already runs for the data folder, its window shows and opens them."),
        QStringLiteral("[REPORT...]"));
}

ProgramSetup ProgramCommandLine::setup() const
{
    ProgramSetup setup;
    setup.dataFolder = DataFolder::fromOption(parser_.value(dataDir_)).path();
    setup.settingsFile = parser_.value(config_);
    for (const QString& report : parser_.positionalArguments())
        setup.reports.append(QFileInfo(report).absoluteFilePath());
    return setup;
}

} // namespace tallywick
