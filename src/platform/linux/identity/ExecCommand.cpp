// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExecCommand.h"

#include <QLatin1StringView>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A word that env reads: an argument of the value, or one split from the string of `env -S` (index -1).
struct Word
{
    QString text;
    qsizetype index = -1;
};

// Splits the value at unquoted blanks; a quote may open and close anywhere within an argument.
QList<ExecArgument> splitArguments(const QString& exec, bool& unterminated)
{
    QList<ExecArgument> arguments;
    ExecArgument current;
    bool quoted = false;
    bool inArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (!quoted && c.isSpace()) {
            if (inArgument) {
                current.end = i;
                arguments.append(std::exchange(current, {}));
            }
            inArgument = false;
            continue;
        }
        if (!inArgument)
            current.begin = i;
        inArgument = true;
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted && c == u'\\' && i + 1 < exec.size()) {
            current.text.append(exec[++i]);
        } else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%') {
            current.text.append(c);
            ++i;
        } else {
            current.text.append(c);
        }
    }
    if (inArgument) {
        current.end = exec.size();
        arguments.append(current);
    }
    unterminated = quoted;
    return arguments;
}

// The words of the string of `env -S`, as env splits them: blanks separate, single and double quotes keep them
// together, and a backslash outside single quotes takes the next character.
QList<Word> splitString(const QString& text)
{
    QList<Word> words;
    QString word;
    char16_t quote = 0;
    bool inWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote && c.isSpace()) {
            if (inWord)
                words.append({std::exchange(word, {})});
            inWord = false;
            continue;
        }
        inWord = true;
        if (quote && c == quote)
            quote = 0;
        else if (!quote && (c == u'"' || c == u'\''))
            quote = c.unicode();
        else if (c == u'\\' && quote != u'\'' && i + 1 < text.size())
            word.append(text[++i]);
        else
            word.append(c);
    }
    if (inWord)
        words.append({word});
    return words;
}

bool isEnv(const QString& word)
{
    return word == u"env" || word.endsWith(u"/env");
}

// Where the program is among the words of `env ...`, read as GNU env reads them: options up to "--", "-" or the
// first other word, then NAME=VALUE assignments. The string of -S stands for the words it splits into. None when
// no program follows or an option lacks its value.
std::optional<Word> programAfterEnv(QList<Word> words)
{
    qsizetype i = 1;
    while (i < words.size()) {
        const QString word = words[i].text;
        if (word == u"--" || word == u"-") {
            ++i;
            break;
        }
        if (!word.startsWith(u'-'))
            break;
        // Of the options that take a value (-u NAME, -C DIR, -S STRING), which one this is, and its value when
        // attached ("-uNAME", "--unset=NAME"); a long option may be cut short to any prefix, as getopt allows.
        QChar option;
        std::optional<QString> attached;
        if (word.startsWith(u"--")) {
            const QString name = word.section(u'=', 0, 0);
            const std::pair<QLatin1StringView, char16_t> longOptions[] = {
                {"--unset"_L1, u'u'}, {"--chdir"_L1, u'C'}, {"--split-string"_L1, u'S'}};
            for (const auto& [full, letter] : longOptions) {
                if (name.size() > 2 && full.startsWith(name))
                    option = letter;
            }
            if (word.contains(u'='))
                attached = word.section(u'=', 1);
        } else {
            for (qsizetype j = 1; j < word.size() && option.isNull(); ++j) {
                if (word[j] == u'u' || word[j] == u'C' || word[j] == u'S') {
                    option = word[j];
                    if (j + 1 < word.size())
                        attached = word.mid(j + 1);
                }
            }
        }
        if (option.isNull()) {
            ++i;
            continue;
        }
        if (!attached && i + 1 == words.size())
            return std::nullopt;
        const qsizetype used = attached ? 1 : 2;
        if (option == u'S') {
            const QString value = attached ? *attached : words[i + 1].text;
            words = words.mid(0, i) + splitString(value) + words.mid(i + used);
        } else {
            i += used;
        }
    }
    while (i < words.size() && words[i].text.indexOf(u'=') > 0)
        ++i;
    if (i >= words.size())
        return std::nullopt;
    return words[i];
}

} // namespace

ExecCommand ExecCommand::parse(const QString& exec)
{
    ExecCommand command;
    command.arguments = splitArguments(exec, command.unterminated);
    if (command.arguments.isEmpty())
        return command;
    QList<Word> words;
    for (qsizetype i = 0; i < command.arguments.size(); ++i)
        words.append({command.arguments[i].text, i});
    const std::optional<Word> program = isEnv(words.first().text) ? programAfterEnv(words) : words.first();
    if (!program)
        return command;
    if (program->index >= 0)
        command.programIndex = program->index;
    command.program = program->text.mid(program->text.lastIndexOf(u'/') + 1);
    return command;
}
