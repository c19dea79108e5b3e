#include "monkey/monkey_texts.h"

#include "monkey/Dice.h"

#include <QDir>
#include <QFile>

namespace quorvelle::monkey {
namespace {

constexpr qsizetype oneLineBytes = 5 * 1024 * 1024;
constexpr qsizetype randomBytes = 64 * 1024;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The corpus's words on one line, repeated to oneLineBytes.
QByteArray oneLongLine(QByteArray text)
{
    text.replace('\r', ' ').replace('\n', ' ');
    QByteArray line;
    line.reserve(oneLineBytes);
    while (line.size() < oneLineBytes)
        line += text;
    line.truncate(oneLineBytes);
    return line;
}

QByteArray randomText(Dice& dice)
{
    QByteArray bytes(randomBytes, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(dice.below(256));
    return bytes;
}

} // namespace

QStringList writeMonkeyTexts(const QString& corpusFolder, const QString& folder, std::uint64_t seed)
{
    QDir{}.mkpath(folder);
    QStringList paths;
    QByteArray longestText;
    const QDir corpus(corpusFolder);
    for (const QString& name : corpus.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile source(corpus.filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            return {};
        const QByteArray text = source.readAll();
        if (text.size() > longestText.size())
            longestText = text;
        paths.append(QDir(folder).filePath(name));
        if (!writeFile(paths.last(), text))
            return {};
    }
    if (longestText.isEmpty())
        return {};

    Dice dice(seed);
    const QList<std::pair<QString, QByteArray>> degenerate = {
        {QStringLiteral("vide.txt"), QByteArray()},
        {QStringLiteral("sans-lettre.txt"), QByteArray("123 456,78 !!! ... --- ?? 9 %\r\n").repeated(200)},
        {QStringLiteral("une-ligne-de-5-Mo.txt"), oneLongLine(longestText)},
        {QStringLiteral("octets-au-hasard.txt"), randomText(dice)},
        {QStringLiteral("utf8-hors-1252.txt"),
         QStringLiteral(
             "Ŝi ĉiam ŝatis la œuvre « Ω » — 中文 🙂 déjà-vu, naïve Æsop.\nÇa va ? Oui !\n")
             .repeated(50)
             .toUtf8()},
        {QStringLiteral("fins-de-ligne.txt"),
         QByteArray("Une ligne Windows.\r\nUne ligne Unix.\nUne ligne Mac.\r"
                    "Deux fins\r\n\r\net une seule\n\rfin.")
             .repeated(40)},
    };
    for (const auto& [name, bytes] : degenerate) {
        paths.append(QDir(folder).filePath(name));
        if (!writeFile(paths.last(), bytes))
            return {};
    }
    return paths;
}

} // namespace quorvelle::monkey
