// The program's file dialogs, with their test hook.
#include "ui/file_dialogs.h"

#include "ui/studied_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

// What a test chose in place of the next dialog: a file, or the files of a corpus.
struct NextChoice {
    QString path;
    std::optional<int> type;
    QStringList corpusPaths = {};
};

std::optional<NextChoice>& nextChosenFile()
{
    static std::optional<NextChoice> choice;
    return choice;
}

// A type of file to save: its name filter and the extension a name without one gets.
struct FileType {
    QString filter;
    QString suffix;
};

// A file to save, and the place of its type among those offered.
struct ChosenFile {
    QString path;
    int type = 0;
};

// The save dialog for a file of one of the types, proposing proposedPath and the type at
// place proposedType.
std::optional<ChosenFile> chooseFileToSave(QWidget* parent, const QString& title, const QString& proposedPath,
                                           const QList<FileType>& types, int proposedType = 0)
{
    if (auto& next = nextChosenFile()) {
        const NextChoice choice = *std::exchange(next, std::nullopt);
        if (choice.path.isEmpty())
            return std::nullopt;
        return ChosenFile{choice.path, choice.type.value_or(proposedType)};
    }

    QFileDialog dialog(parent, title, proposedPath);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileType& type : types)
        filters.append(type.filter);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(types[proposedType].filter);
    dialog.setDefaultSuffix(types[proposedType].suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, types](const QString& filter) {
        for (const FileType& type : types)
            if (type.filter == filter)
                dialog.setDefaultSuffix(type.suffix);
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ChosenFile{dialog.selectedFiles().value(0),
                      std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())))};
}

QString chosenPath(const std::optional<ChosenFile>& chosen)
{
    return chosen ? chosen->path : QString();
}

} // namespace

void setUpTextFileDialog(QFileDialog& dialog)
{
    // Qt's own dialog speaks French with the program's translations, and its name filters
    // ignore case unless asked not to; native dialogs may do neither.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowTitle(QCoreApplication::translate("quorvelle::ui", "Ouvrir"));
    dialog.setNameFilters({QCoreApplication::translate(
                               "quorvelle::ui", "Textes et documents (*.txt *.odt *.docx *.epub *.html *.htm *.pdf)"),
                           QCoreApplication::translate("quorvelle::ui", "Tous les fichiers (*)")});
}

QString chooseTextFile(QWidget* parent)
{
    if (auto& next = nextChosenFile())
        return std::exchange(next, std::nullopt)->path;

    QFileDialog dialog(parent);
    setUpTextFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QStringList chooseCorpusFiles(QWidget* parent)
{
    if (auto& next = nextChosenFile())
        return std::exchange(next, std::nullopt)->corpusPaths;

    QFileDialog dialog(parent);
    setUpTextFileDialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setWindowTitle(QCoreApplication::translate("quorvelle::ui", "Ouvrir un corpus"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<TextFileChoice> chooseTextFileToSave(QWidget* parent, const QString& proposedPath, Encoding encoding)
{
    constexpr std::array encodings = {Encoding::Utf8, Encoding::Cp1252};
    const QString suffix = QStringLiteral("txt");
    const std::optional<ChosenFile> chosen = chooseFileToSave(
        parent, QCoreApplication::translate("quorvelle::ui", "Enregistrer le texte sous"), proposedPath,
        {{QCoreApplication::translate("quorvelle::ui", "Texte UTF-8 (*.txt)"), suffix},
         {QCoreApplication::translate("quorvelle::ui", "Texte Windows-1252 (*.txt)"), suffix}},
        encoding == Encoding::Cp1252 ? 1 : 0);
    if (!chosen)
        return std::nullopt;
    return TextFileChoice{chosen->path, encodings.at(static_cast<std::size_t>(chosen->type))};
}

QString chooseImageFile(QWidget* parent, const QString& suggestedName)
{
    return chosenPath(
        chooseFileToSave(parent, QCoreApplication::translate("quorvelle::ui", "Enregistrer l'image"),
                         proposedFilePath(parent, suggestedName),
                         {{QCoreApplication::translate("quorvelle::ui", "Image PNG (*.png)"), QStringLiteral("png")},
                          {QCoreApplication::translate("quorvelle::ui", "Image SVG (*.svg)"), QStringLiteral("svg")}}));
}

QString chooseCsvFile(QWidget* parent, const QString& suggestedName)
{
    return chosenPath(chooseFileToSave(
        parent, QCoreApplication::translate("quorvelle::ui", "Exporter"), proposedFilePath(parent, suggestedName),
        {{QCoreApplication::translate("quorvelle::ui", "Tableau CSV (*.csv)"), QStringLiteral("csv")}}));
}

QString proposedFilePath(const QWidget* window, const QString& suggestedName)
{
    const QStringList texts = studiedFiles(window);
    if (texts.isEmpty())
        return suggestedName;
    QStringList name;
    for (const QString& text : texts)
        name << QFileInfo(text).completeBaseName();
    name << suggestedName;
    return QFileInfo(texts.front()).dir().filePath(name.join(QLatin1Char('-')));
}

void setNextChosenFile(const QString& path, std::optional<int> type)
{
    nextChosenFile() = NextChoice{path, type};
}

void setNextChosenCorpusFiles(const QStringList& paths)
{
    nextChosenFile() = NextChoice{{}, std::nullopt, paths};
}

std::filesystem::path filePathOf(const QString& fileName)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(fileName.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
#endif
}

QString fileNameOf(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(path.c_str());
#endif
}

} // namespace quorvelle::ui
