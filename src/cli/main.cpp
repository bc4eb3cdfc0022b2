#include "cli/cli.h"
#include "cli/outputbuffer.h"

#include <QCoreApplication>

#include <cstring>
#include <iostream>

int main(int argc, char* argv[])
{
    // The arguments as bytes, before anything decodes them.
    std::vector<std::string> arguments(argv, argv + argc);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tallywick"));
    std::ios::sync_with_stdio(false);
    tallywick::cli::OutputBuffer output(1);
    std::ostream out(&output);
    tallywick::cli::Environment env{out, std::cerr};
    const int status = tallywick::cli::RunCli(tallywick::cli::Arguments::fromBytes(std::move(arguments)), env);
    out.flush();
    if (output.error() == 0)
        return status;
    // Whatever the command did (a save included) is done; only what it had to say was lost.
    std::cerr << "tallywick-cli: the output could not be written: " << std::strerror(output.error()) << '\n';
    return tallywick::cli::kExitFailed;
}
