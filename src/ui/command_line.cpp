#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QSet>

#include "app/settings.h"

namespace ivgen {

namespace {

// Qt's own options, which QApplication takes from the line; with or without a second dash.
const QSet<QString>& QtOptions() {
  static const QSet<QString> options = {"platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qmljsdebugger",
                                        "qwindowgeometry",
                                        "qwindowicon",
                                        "qwindowtitle",
                                        "reverse",
                                        "session",
                                        "style",
                                        "stylesheet",
                                        "widgetcount",
                                        "display",
                                        "geometry",
                                        "title",
                                        "name",
                                        "visual",
                                        "ncols",
                                        "cmap",
                                        "im",
                                        "inputstyle",
                                        "nograb",
                                        "dograb",
                                        "sync",
                                        "fn",
                                        "font",
                                        "bg",
                                        "background",
                                        "fg",
                                        "foreground",
                                        "btn",
                                        "button",
                                        "dialogs",
                                        "fontengine"};
  return options;
}

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption help{QStringList{"h", "help"}, "Shows this help and ends."};
  QCommandLineOption version{QStringList{"v", "version"}, "Shows the version and ends."};
  QCommandLineOption settings{"settings", "Reads and saves the settings in FILE.", "FILE"};
  QCommandLineOption exportPdf{"export-pdf",
                               "Writes the sheet of CHARACTER.iv3 as the PDF file OUT.pdf, with every section, "
                               "without a window; ends with 0, or 1 and the reason."};
  QCommandLineOption exportJson{"export-json",
                                "Writes CHARACTER.iv3 as the JSON document OUT.json, without a window; ends with 0, "
                                "or 1 and the reason."};
  Parser() {
    parser.setApplicationDescription(
        "ivgen, the character generator for the third edition of Ironveil.\n"
        "A bare argument names the settings file, unless it is a character file (.iv3), which is opened.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption* option : {&help, &version, &settings, &exportPdf, &exportJson})
      parser.addOption(*option);
    parser.addPositionalArgument("FILE", "A settings file, or a character file (.iv3) to open.", "[FILE]");
  }
};

}  // namespace

bool ReadBeforeApplication(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--") break;
    if (!argument.startsWith('-') || argument == "-") continue;
    QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
    name = name.section('=', 0, 0);
    if (QtOptions().contains(name)) continue;
    if (name != "settings") return true;
  }
  return false;
}

CommandLine ReadCommandLine(const QStringList& arguments) {
  Parser p;
  CommandLine line;
  if (!p.parser.parse(arguments)) {
    line.action = CommandLine::Action::Error;
    line.error = p.parser.errorText().toStdString();
    return line;
  }
  if (p.parser.isSet(p.help)) {
    line.action = CommandLine::Action::Help;
    return line;
  }
  if (p.parser.isSet(p.version)) {
    line.action = CommandLine::Action::Version;
    return line;
  }
  const QStringList bare = p.parser.positionalArguments();
  const bool pdf = p.parser.isSet(p.exportPdf);
  if (pdf || p.parser.isSet(p.exportJson)) {
    if (bare.size() != 2 || p.parser.isSet(p.settings) || (pdf && p.parser.isSet(p.exportJson))) {
      line.action = CommandLine::Action::Error;
      line.error = pdf ? "--export-pdf takes a character file and a PDF file"
                       : "--export-json takes a character file and a JSON file";
      return line;
    }
    line.action = pdf ? CommandLine::Action::ExportPdf : CommandLine::Action::ExportJson;
    line.exportFrom = bare[0].toLocal8Bit().toStdString();
    line.exportTo = bare[1].toLocal8Bit().toStdString();
    return line;
  }
  // Several bare words are one name with blanks, as a shortcut's unquoted line gives it.
  std::string named = bare.join(' ').toLocal8Bit().toStdString();
  if (named.size() >= 2 && named.front() == '"' && named.back() == '"') named = named.substr(1, named.size() - 2);
  if (p.parser.isSet(p.settings)) {
    if (!named.empty() && !NamesCharacter(named)) {
      line.action = CommandLine::Action::Error;
      line.error = "a settings file is named twice: --settings and " + named;
      return line;
    }
    line.settings = p.parser.value(p.settings).toLocal8Bit().toStdString();
    line.character = named;
    return line;
  }
  if (NamesCharacter(named)) {
    line.character = named;
  } else {
    line.settings = named;
  }
  return line;
}

std::string CommandLineHelp() {
  Parser p;
  // Without an application the parser knows no program name; the first line is ours.
  QString text = p.parser.helpText();
  text =
      "Usage: ivgen [options] [FILE]\n       ivgen --export-pdf CHARACTER.iv3 OUT.pdf\n       ivgen --export-json "
      "CHARACTER.iv3 OUT.json" +
      text.mid(text.indexOf('\n'));
  return text.toStdString() +
         "\nThe player's guide opens from Help > Contents. The guide, ivgen-batch's commands and the\n"
         "catalogs' format are installed in /usr/share/doc/ivgen.\n";
}

}  // namespace ivgen
