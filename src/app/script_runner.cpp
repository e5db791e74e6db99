// The command-line script runner: runs a learner program without a window and prints what it shows.
#include "app/script_runner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/script_control.h"
#include "script/lexer.h"

namespace orr {
namespace {

using script::HostObject;
using script::Variant;

void printLine(const std::string& s)
{
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
}

// Output.Show / Output.Clear, and WScript.Echo: each shown value is one line.
class ConsoleOutput final : public HostObject {
public:
    explicit ConsoleOutput(bool echoStyle) : echo_(echoStyle) {}
    std::string typeName() const override { return echo_ ? "WScript" : "ProgramClass"; }
    bool hasMember(std::string_view n) const override
    {
        return echo_ ? n == "echo" : (n == "show" || n == "clear");
    }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        if (n == "clear") return {};
        if (!hasMember(n)) script::raise(script::ErrNoSuchMember, std::string(n));
        std::string line;
        for (size_t i = 0; i < args.size(); ++i) {
            if (i) line += ' ';
            const Variant& v = args[i].deref();
            if (!v.isNull()) line += script::toString(v);
        }
        printLine(line);
        return {};
    }

private:
    bool echo_;
};

// MsgBox prints its prompt; InputBox reads a line from standard input when the
// program itself did not come from there.
class ConsoleDialogs final : public script::DialogHost {
public:
    explicit ConsoleDialogs(bool stdinFree) : stdinFree_(stdinFree) {}
    int msgBox(const std::string& prompt, int, const std::string&) override
    {
        printLine(prompt);
        return 1;
    }
    bool inputBox(const std::string&, const std::string&, const std::string& def, std::string& answer) override
    {
        answer = def;
        if (!stdinFree_) return true;
        std::string line;
        if (!std::getline(std::cin, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        answer = line;
        return true;
    }

private:
    bool stdinFree_;
};

int usage()
{
    std::fputs("usage: orrinvale --script FILE [--timeout MS]   (FILE may be - for standard input)\n", stderr);
    return 2;
}

} // namespace

int runScriptCommand(int argc, char** argv)
{
    const char* file = nullptr;
    int timeout = 10000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) file = argv[++i];
        else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            const char* text = argv[++i];
            char* end = nullptr;
            long ms = std::strtol(text, &end, 10);
            if (end == text || *end != '\0' || ms < -1 || ms > 86'400'000) {
                std::fprintf(stderr, "--timeout needs a number of milliseconds (or -1 for no limit), not '%s'\n", text);
                return 2;
            }
            timeout = static_cast<int>(ms);
        } else return usage();
    }
    if (!file) return usage();

    std::string text;
    bool fromStdin = std::strcmp(file, "-") == 0;
    if (fromStdin) {
        std::ostringstream ss;
        ss << std::cin.rdbuf();
        text = ss.str();
    } else {
        std::error_code ec;
        if (std::filesystem::is_directory(file, ec)) {
            std::fprintf(stderr, "cannot run %s: it is a folder, not a program file\n", file);
            return 2;
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file);
            return 2;
        }
        std::ostringstream ss;
        ss << in.rdbuf();
        text = ss.str();
    }

    ScriptControl control;
    control.setTimeout(timeout);
    ConsoleDialogs dialogs(!fromStdin);
    control.setDialogHost(&dialogs);
    control.AddObject("Output", std::make_shared<ConsoleOutput>(false), true);
    control.AddObject("WScript", std::make_shared<ConsoleOutput>(true), false);
    int status = 0;
    try {
        // UTF-8 with or without a byte-order mark, or UTF-16 with one.
        control.AddCode(QString::fromStdString(script::sourceText(text)));
        // As the programming workbench does: a program with a Main procedure runs it.
        if (control.engine().hasProcedure("main")) control.Run("Main");
    } catch (const ScriptFailure& f) {
        std::fflush(stdout);
        std::fprintf(stderr, "error %d: %s (line %d, column %d)\n", f.info.Number,
                     f.info.Description.toStdString().c_str(), f.info.Line, f.info.Column);
        status = 1;
    }
    std::fflush(stdout);
    return status;
}

} // namespace orr
