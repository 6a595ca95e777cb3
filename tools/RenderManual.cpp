// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the manual page: the template with the version, the summary and the option lists that `--help` prints.
// Usage: render-manual TEMPLATE OUTPUT VERSION

#include "CommandLineOptions.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

namespace {

// Text as roff prints it literally: a dash that starts a word (an option, "-" for standard output) is a minus,
// as are the dashes inside such a word, and a backslash is escaped.
std::string roff(const std::string& text)
{
    std::string result;
    bool inOption = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '(')
            inOption = false;
        else if (c == '-' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '('))
            inOption = true;
        if (c == '\\')
            result += "\\e";
        else if (c == '-' && inOption)
            result += "\\-";
        else
            result += c;
    }
    return result;
}

// A phrase as a sentence: capital first letter, full stop.
std::string sentence(std::string phrase)
{
    phrase[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(phrase[0])));
    return phrase + '.';
}

std::string list(std::span<const CommandLineOptions::Option> options)
{
    std::string text;
    for (const CommandLineOptions::Option& option : options) {
        text += ".TP\n";
        std::string names = *option.names ? "\\fB" + roff(option.names) + "\\fR" : std::string("(no option)");
        if (*option.argument)
            names += " \\fI" + roff(option.argument) + "\\fR";
        text += names + '\n' + roff(sentence(option.description)) + '\n';
    }
    text.pop_back(); // the placeholder's own line ends it
    return text;
}

void replace(std::string& text, const std::string& placeholder, const std::string& value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: render-manual TEMPLATE OUTPUT VERSION\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "render-manual: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The manual's NAME line: "horavane \- records where …", lower case and without the full stop.
    std::string summary = CommandLineOptions::summary;
    summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
    summary.pop_back();
    replace(text, "@VERSION@", argv[3]);
    replace(text, "@SUMMARY@", roff(summary));
    replace(text, "@OPTIONS@", list(CommandLineOptions::program));
    replace(text, "@PREVIEW_OPTIONS@", list(CommandLineOptions::preview));
    std::ofstream out(argv[2]);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "render-manual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
