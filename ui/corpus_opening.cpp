// Reading a corpus's files, with its failures and remarks said in message boxes.
#include "ui/corpus_opening.h"

#include "core/corpus/corpus_files.h"
#include "core/explanations/figure_explanation.h"
#include "core/presentation/corpus_messages.h"
#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/cp1252_text.h"
#include "ui/file_dialogs.h"
#include "ui/text_opening.h"

#include <QObject>

#include <filesystem>
#include <new>
#include <vector>

namespace quorvelle::ui {
namespace {

// At most this many remarks are listed; the others are counted.
constexpr std::size_t mostNoticesListed = 12;

void reportNotices(const Corpus& corpus, QWidget* parent)
{
    if (corpus.notices.empty())
        return;
    QStringList lines;
    for (std::size_t place = 0; place < std::min(corpus.notices.size(), mostNoticesListed); ++place)
        lines << QStringLiteral("• ") + utf8Text(french::corpusNoticeText(corpus.notices[place]));
    if (corpus.notices.size() > mostNoticesListed)
        lines << QObject::tr("• et %1.").arg(utf8Text(ExplanationNumbers::counted(
            static_cast<std::int64_t>(corpus.notices.size() - mostNoticesListed), "autre remarque", "autres remarques")));
    MessageBox::information(parent, QObject::tr("Ouvrir un corpus"),
                            QObject::tr("Le corpus est ouvert, avec ces remarques :") + QStringLiteral("\r\n")
                                + lines.join(QStringLiteral("\r\n")));
}

} // namespace

std::shared_ptr<const Corpus> openCorpus(const QStringList& paths, LetterRule letters, QWidget* parent)
{
    std::shared_ptr<const Corpus> corpus;
    try {
        const HourglassCursor hourglass;
        std::vector<std::filesystem::path> files;
        for (const QString& path : paths)
            files.push_back(filePathOf(path));
        corpus = std::make_shared<const Corpus>(loadCorpus(files, Encoding::Auto, letters));
    } catch (const FileError& error) {
        reportUnreadableFile(error, parent);
        return nullptr;
    } catch (const std::bad_alloc&) {
        reportTooLargeText(parent);
        return nullptr;
    }
    reportNotices(*corpus, parent);
    return corpus;
}

} // namespace quorvelle::ui
