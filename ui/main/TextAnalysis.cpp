// Analysing the main window's text in a worker thread.
#include "ui/main/TextAnalysis.h"

#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"

#include <QTextDocument>
#include <QTimer>
#include <QtConcurrent>

namespace quorvelle::ui {

TextAnalysis::TextAnalysis(PlainTextBox* box)
    : QObject(box)
    , box_(box)
    , typingPause_(new QTimer(this))
{
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(typingPauseMs);
    connect(box_->document(), &QTextDocument::contentsChanged, this, &TextAnalysis::noteChange);
    connect(typingPause_, &QTimer::timeout, this, [this] { current(); });
}

void TextAnalysis::noteChange()
{
    ++version_;
    // A file shown in portions changes the document without being edited: its bytes are
    // analysed as they are, at the first request.
    if (box_->unmodifiedCp1252Text())
        current();
    else
        typingPause_->start();
}

QFuture<SharedText> TextAnalysis::current()
{
    if (std::shared_ptr<const std::string> bytes = box_->unmodifiedCp1252Text()) {
        if (analysedBytes_ != bytes) {
            analysedBytes_ = bytes;
            analysis_ = QtConcurrent::run([bytes] { return analyseText(bytes); });
        }
        return analysis_;
    }
    if (analysedBytes_ || analysedVersion_ != version_) {
        typingPause_->stop();
        analysedBytes_ = nullptr;
        analysedVersion_ = version_;
        analysis_ = QtConcurrent::run(
            [shown = box_->text()] { return analyseText(std::make_shared<const std::string>(toCp1252(shown))); });
    }
    return analysis_;
}

} // namespace quorvelle::ui
