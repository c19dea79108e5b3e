// A text written in the encoding chosen, or the reason why not.
#include "ui/text_saving.h"

#include "ui/cp1252_text.h"
#include "ui/file_saving.h"

#include <QCoreApplication>

#include <optional>
#include <string>

namespace quorvelle::ui {
namespace {

// The number of the line that holds the character at place, counting every kind of line end.
qsizetype lineAt(const QString& text, qsizetype place)
{
    qsizetype line = 1;
    for (qsizetype index = 0; index < place; ++index) {
        const QChar character = text.at(index);
        if (character == u'\n' || (character == u'\r' && (index + 1 >= text.size() || text.at(index + 1) != u'\n')))
            ++line;
    }
    return line;
}

} // namespace

QString saveText(const QString& path, const QString& text, Encoding encoding)
{
    if (encoding != Encoding::Cp1252)
        return saveWhole(path, text.toUtf8());
    if (const std::optional<qsizetype> outside = firstOutsideCp1252(text)) {
        const qsizetype length = text.at(*outside).isHighSurrogate() ? 2 : 1;
        return QCoreApplication::translate("quorvelle::ui",
                                           "la code page 1252 n'a pas le caractère « %1 » de la ligne %2 ; "
                                           "enregistrez le texte en UTF-8")
            .arg(text.mid(*outside, length))
            .arg(lineAt(text, *outside));
    }
    const std::string bytes = toCp1252(text);
    return saveWhole(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace quorvelle::ui
