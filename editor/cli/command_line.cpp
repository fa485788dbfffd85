#include "editor/cli/command_line.h"

#include <filesystem>
#include <string_view>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/text_file.h"
#include "editor/checker/checker.h"
#include "editor/document/scenario_io.h"
#include "editor/document/text_export.h"

#ifndef MIRELA_VERSION
#define MIRELA_VERSION "2.0.0"
#endif

namespace vek::editor {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Pou\u017eit\u00ed:\n"
    "  Mirela2 [SC\u00c9N\u00c1\u0158.scn]\n"
    "  Mirela2 --export-text VSTUP.scn V\u00ddSTUP.txt [--password HESLO]\n"
    "  Mirela2 --convert VSTUP.scn V\u00ddSTUP.scn [--password HESLO] [--encode NOV\u00c9_HESLO | "
    "--plain]\n"
    "  Mirela2 --check VSTUP.scn [--password HESLO]\n"
    "  Mirela2 --help | --version\n";

struct Options {
    std::string mode;
    std::string input, output;
    std::optional<std::string> password;
    std::optional<std::string> encode;
    bool plain = false;
};

class UsageError {
  public:
    explicit UsageError(std::string text) : text_(std::move(text)) {}
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    o.mode = args.at(0);
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= args.size())
                throw UsageError("Volba " + a + " pot\u0159ebuje hodnotu.");
            return args[++i];
        };
        if (a == "--password")
            o.password = next();
        else if (a == "--encode" && o.mode == "--convert")
            o.encode = next();
        else if (a == "--plain" && o.mode == "--convert")
            o.plain = true;
        else if (a.starts_with("--"))
            throw UsageError("Nezn\u00e1m\u00e1 volba " + a + ".");
        else
            positional.push_back(a);
    }
    const bool check = o.mode == "--check";
    if (positional.size() != (check ? 1u : 2u))
        throw UsageError(check ? "Chyb\u00ed vstupn\u00ed soubor, nebo je jich v\u00edc."
                               : "Chyb\u00ed vstupn\u00ed nebo v\u00fdstupn\u00ed soubor.");
    if (o.encode && o.plain)
        throw UsageError("Volby --encode a --plain nelze pou\u017e\u00edt spolu.");
    o.input = positional[0];
    if (!check)
        o.output = positional[1];
    return o;
}

// A password typed in the terminal, in the scenario's code page.
std::string passwordText(const std::string& utf8) {
    EncodingError error;
    std::optional<std::string> text = utf8ToCp1250(utf8, &error);
    if (!text)
        throw UsageError(cp1250ToUtf8(error.message()));
    return *text;
}

// Opens the input into `doc` with the password given; false, with the message written to `err`,
// when the file cannot be read or is refused.
bool open(const Options& o, EditorDocument& doc, std::ostream& err) {
    std::optional<std::string> password;
    if (o.password)
        password = passwordText(*o.password);
    bool asked = false;
    OpenResult opened = OpenScenario(doc, o.input, [&]() -> std::optional<std::string> {
        asked = true;
        return password;
    });
    if (opened.ok())
        return true;
    if (opened.status == OpenStatus::Cancelled && asked)
        err << cp1250ToUtf8("Soubor je kódovaný"_cp) << "\n";
    else
        err << cp1250ToUtf8(opened.message) << "\n";
    return false;
}

// One line per problem, then the counts; 0 without errors, 1 with some, 2 when the file
// cannot be read or is refused.
int check(const Options& o, std::ostream& out, std::ostream& err) {
    EditorDocument doc;
    if (!open(o, doc, err))
        return 2;
    std::optional<std::string> bytes = readFileBytes(o.input);
    if (!bytes) {
        err << cp1250ToUtf8(OpenScenario(doc, o.input, {}).message) << "\n";
        return 2;
    }
    fs::path dir = fs::path(o.input).parent_path();
    CheckReport report = CheckScenario({std::move(*bytes), &doc, PlayerBasePaths(dir)});
    for (const Problem& p : report.problems)
        out << cp1250ToUtf8(ProblemText(p)) << "\n";
    out << cp1250ToUtf8(SummaryText(report)) << "\n";
    return report.errors() > 0 ? 1 : 0;
}

int run(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.mode == "--check")
        return check(o, out, err);
    EditorDocument doc;
    if (!open(o, doc, err))
        return 1;
    if (o.mode == "--export-text") {
        std::string error;
        if (!ExportText(doc, o.output, &error)) {
            err << cp1250ToUtf8(error) << "\n";
            return 1;
        }
        return 0;
    }
    if (o.encode) {
        std::string password = PasswordForFile(passwordText(*o.encode));
        if (password.empty())
            throw UsageError("Heslo pro --encode nesm\u00ed b\u00fdt pr\u00e1zdn\u00e9.");
        doc.SetFieldFlag(Field::Encode, true);
        doc.SetField(Field::Password, password);
    } else if (o.plain) {
        doc.SetFieldFlag(Field::Encode, false);
    }
    SaveResult saved = SaveScenario(doc, o.output);
    if (!saved.ok) {
        err << cp1250ToUtf8(saved.message) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err) {
    if (args.empty())
        return std::nullopt;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        out << kUsage;
        return 0;
    }
    if (first == "--version") {
        out << "Mirela2 " << MIRELA_VERSION << "\n";
        return 0;
    }
    if (first != "--export-text" && first != "--convert" && first != "--check") {
        if (first.starts_with("--")) {
            err << "Nezn\u00e1m\u00e1 volba " << first << ".\n" << kUsage;
            return 1;
        }
        return std::nullopt;  // a scenario for the window to open
    }
    try {
        return run(parse(args), out, err);
    } catch (const UsageError& e) {
        err << e.text() << "\n" << kUsage;
        return first == "--check" ? 2 : 1;
    }
}

}  // namespace vek::editor
