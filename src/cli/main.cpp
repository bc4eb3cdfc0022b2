#include "cli/cli.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    std::ios::sync_with_stdio(false);
    tallywick::cli::Environment env{std::cout, std::cerr};
    const int status = tallywick::cli::RunCli(QCoreApplication::arguments(), env);
    std::cout.flush();
    return std::cout.good() ? status : tallywick::cli::kExitFailed;
}
