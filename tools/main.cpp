// quorvane-riddles: makes, dumps, imports and generates the riddle files the program reads.
#include "store/RiddleFile.h"
#include "store/StandardOutput.h"
#include "tools/RiddleCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iterator>
#include <optional>

namespace {

constexpr const char* Usage =
    "Usage: quorvane-riddles COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  make IN.tsv OUT.mdb [--password P]   make a riddle file from a text file\n"
    "  dump FILE.mdb [--password P]         print a riddle file as text\n"
    "  import OLD.mdb NEW.mdb [--password P]  make our riddle file from an Access one\n"
    "  generate COUNT OUT.mdb [--seed S]    make a riddle file of COUNT synthetic riddles\n"
    "\n"
    "Run quorvane-riddles COMMAND --help for the details of one command, and\n"
    "quorvane-riddles --version for the version.\n";

constexpr const char* MakeHelp =
    "Usage: quorvane-riddles make IN.tsv OUT.mdb [--password P]\n"
    "\n"
    "Makes the encrypted riddle file OUT.mdb from IN.tsv, a UTF-8 text file with one riddle a\n"
    "line: a whole-number id, the riddle and the answer, separated by TAB. The first line may be\n"
    "the header id<TAB>riddle<TAB>answer. A field that is exactly \\N is null; two blanks in a\n"
    "riddle start a new line when it is shown. \\t, \\r, \\n and \\\\ stand for TAB, CR, LF and\n"
    "a backslash; any other backslash is an error. Empty lines are skipped; CR LF and LF both end\n"
    "a line. A malformed line stops the tool with FILE:LINE: reason and exit status 1, and no\n"
    "output is left behind; an existing OUT.mdb is replaced only by a complete new file.\n"
    "\n"
    "  --password P   key the file with P instead of the program's own password\n";

constexpr const char* DumpHelp =
    "Usage: quorvane-riddles dump FILE.mdb [--password P]\n"
    "\n"
    "Prints the header line and every riddle of FILE.mdb as TAB-separated text in id order,\n"
    "null values as \\N and TAB, CR, LF and backslash escaped: the format that make reads.\n"
    "\n"
    "  --password P   open the file with P instead of the program's own password\n";

constexpr const char* ImportHelp =
    "Usage: quorvane-riddles import OLD.mdb NEW.mdb [--password P]\n"
    "\n"
    "Makes the riddle file NEW.mdb, keyed with the program's own password, from OLD.mdb: an\n"
    "Access 2000 to 2003 riddle file, or one of ours. A row whose id is missing or repeats an\n"
    "earlier one stops the tool with its position, and no output is left behind; an existing\n"
    "NEW.mdb is replaced only by a complete new file.\n"
    "\n"
    "  --password P   open OLD.mdb with P instead of the program's own password\n";

constexpr const char* GenerateHelp =
    "Usage: quorvane-riddles generate COUNT OUT.mdb [--seed S]\n"
    "\n"
    "Makes OUT.mdb with COUNT synthetic riddles (ids 1 to COUNT), for tests and benchmarks.\n"
    "The same seed always gives the same riddles.\n"
    "\n"
    "  --seed S   a whole number; 1 when not given\n";

constexpr quint64 MaxGenerated = 100'000'000;

struct Arguments {
    QStringList positional;
    std::optional<QString> password;
    std::optional<QString> seed;
    bool help = false;
};

class UsageError final : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

Arguments Parse(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Tells how to use the tool or a command."));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("The key of the riddle file."),
                                      QStringLiteral("P"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("The seed of generated riddles."),
                                  QStringLiteral("S"));
    parser.addOptions({help, password, seed});
    if (!parser.parse(QStringList{QStringLiteral("quorvane-riddles")} + args)) {
        throw UsageError(parser.errorText().toStdString());
    }
    Arguments parsed;
    parsed.positional = parser.positionalArguments();
    parsed.help = parser.isSet(help);
    if (parser.isSet(password)) {
        parsed.password = parser.value(password);
    }
    if (parser.isSet(seed)) {
        parsed.seed = parser.value(seed);
    }
    return parsed;
}

quint64 ParseNumber(const QString& text, const char* what, quint64 max) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || text.startsWith(u'+') || text.trimmed() != text || value > max) {
        throw UsageError(std::string(what) + " must be a whole number from 0 to " +
                         std::to_string(max) + ", not \"" + text.toStdString() + "\"");
    }
    return value;
}

// A command: its name, its help, how many positional arguments it takes, and what it does with
// them and the password (the program's own unless --password gives another).
struct Command {
    const char* name;
    const char* help;
    qsizetype arguments;
    void (*run)(const Arguments& args, const QString& password);
};

const Command Commands[] = {
    {"make", MakeHelp, 2,
     [](const Arguments& args, const QString& password) {
         MakeRiddleFile(args.positional[0], args.positional[1], password);
     }},
    {"dump", DumpHelp, 1,
     [](const Arguments& args, const QString& password) {
         MakeStandardOutputBinary();
         DumpRiddleFile(args.positional[0], password, stdout);
     }},
    {"import", ImportHelp, 2,
     [](const Arguments& args, const QString& password) {
         ImportRiddleFile(args.positional[0], args.positional[1], password);
     }},
    {"generate", GenerateHelp, 2,
     [](const Arguments& args, const QString& password) {
         if (args.password) {
             throw UsageError("generate takes no --password");
         }
         const auto count =
             static_cast<qint64>(ParseNumber(args.positional[0], "COUNT", MaxGenerated));
         const quint64 seed = args.seed ? ParseNumber(*args.seed, "the seed", ~quint64{0}) : 1;
         GenerateRiddleFile(count, args.positional[1], seed, password);
     }},
};

int Run(const QString& name, const Arguments& args) {
    const Command* command =
        std::find_if(std::begin(Commands), std::end(Commands),
                     [&](const Command& c) { return name == QLatin1StringView(c.name); });
    if (command == std::end(Commands)) {
        throw UsageError("unknown command " + name.toStdString());
    }
    if (args.help) {
        return std::fputs(command->help, stdout), 0;
    }
    if (args.positional.size() != command->arguments) {
        throw UsageError("wrong number of arguments for " + name.toStdString() +
                         "; see quorvane-riddles " + name.toStdString() + " --help");
    }
    command->run(args, args.password.value_or(RiddleFile::Password));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Qt reads the arguments as the system passes them: on Windows as wide characters, so that a
    // file name outside the ANSI code page arrives whole.
    const QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == u"--help" || args[0] == u"-h") {
        std::fputs(Usage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == u"--version" || args[0] == u"-v") {
        std::printf("quorvane-riddles %s\n", QUORVANE_VERSION);
        return 0;
    }
    const QString command = args.takeFirst();
    try {
        return Run(command, Parse(args));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "quorvane-riddles: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        // These messages begin with the file they are about, as in FILE:LINE: reason.
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
