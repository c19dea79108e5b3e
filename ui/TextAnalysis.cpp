// Analysing a text box's text in a worker thread; starting work once analyses are there.
#include "ui/TextAnalysis.h"

#include "ui/LoadedTextBox.h"
#include "ui/cp1252_text.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QTimer>
#include <QtConcurrent>

#include <cstddef>
#include <utility>

namespace quorvelle::ui {
namespace {

// The steps of the analysis's progress: the wait dialog's bar moves by a thousandth.
constexpr int progressSteps = 1000;

// The analysis of the bytes that bytes() makes, by the letters of a rule, in a worker thread.
// It tells its future how far it has gone, and stops once the future is cancelled, leaving it
// without a result.
template <class Bytes>
QFuture<SharedText> analyseInWorker(Bytes bytes, LetterRule letters)
{
    return QtConcurrent::run([bytes = std::move(bytes), letters](QPromise<SharedText>& promise) {
        promise.setProgressRange(0, progressSteps);
        const auto progress = [&promise](std::size_t done, std::size_t total) {
            promise.setProgressValue(
                static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * progressSteps));
        };
        fulfilUnlessCancelled(promise, [&] { return analyseText(bytes(), letters, progress); });
    });
}

} // namespace

TextAnalysis::TextAnalysis(LoadedTextBox* box)
    : QObject(box)
    , box_(box)
    , typingPause_(new QTimer(this))
{
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(typingPauseMs);
    connect(box_, &LoadedTextBox::textSet, this, &TextAnalysis::analyseNewText);
    connect(box_, &LoadedTextBox::edited, this, &TextAnalysis::noteEdit);
    connect(typingPause_, &QTimer::timeout, this, [this] { current(); });
}

TextAnalysis::~TextAnalysis()
{
    // Nobody will read it: the program need not wait for it to end.
    abandonUnfinished();
}

void TextAnalysis::analyseNewText()
{
    ++version_;
    typingPause_->stop();
    current();
}

void TextAnalysis::noteEdit()
{
    ++version_;
    abandonUnfinished();
    typingPause_->start();
}

void TextAnalysis::abandonUnfinished()
{
    // A finished analysis is kept: undoing the edits may bring its text back.
    if (!analysis_.isFinished())
        forgetAnalysis();
}

void TextAnalysis::forgetAnalysis()
{
    analysis_.cancel();
    analysis_ = {};
    analysedBytes_ = nullptr;
    analysedVersion_ = 0;
}

void TextAnalysis::setLetters(LetterRule letters)
{
    if (letters == letters_)
        return;
    letters_ = letters;
    // The forms of the text change with its letters: no analysis by the other rule is kept.
    typingPause_->stop();
    forgetAnalysis();
    current();
}

void TextAnalysis::showAnalysed(SharedText text)
{
    abandonUnfinished();
    letters_ = text->letters();
    analysedBytes_ = text->sharedText();
    analysis_ = QtFuture::makeReadyFuture(std::move(text));
    // The box tells that it holds another text: its bytes are the analysed ones.
    box_->setCp1252Text(analysedBytes_);
}

bool TextAnalysis::boxHolds(const AnalysedText& text) const
{
    // An unmodified file's bytes are shared by its analyses, whatever their letter rule.
    if (const std::shared_ptr<const std::string> bytes = box_->unmodifiedCp1252Text())
        return bytes == text.sharedText();
    return !analysedBytes_ && analysedVersion_ == version_ && analysis_.isFinished() && analysis_.resultCount() > 0
        && analysis_.result()->sharedText() == text.sharedText();
}

bool hasAnalysed(QFuture<SharedText> analysis)
{
    analysis.waitForFinished(); // throws what the analysis threw
    return analysis.resultCount() > 0;
}

void afterAll(const QList<QFuture<void>>& futures, std::function<void()> start)
{
    // A watcher for each future still running; the last one to finish starts.
    auto running = std::make_shared<int>(0);
    for (const QFuture<void>& future : futures) {
        if (future.isFinished())
            continue;
        ++*running;
        auto* watcher = new QFutureWatcher<void>;
        QObject::connect(watcher, &QFutureWatcher<void>::finished, watcher, [watcher, running, start] {
            watcher->deleteLater();
            if (--*running == 0)
                start();
        });
        watcher->setFuture(future);
    }
    if (*running == 0)
        start();
}

QFuture<SharedText> TextAnalysis::current()
{
    if (std::shared_ptr<const std::string> bytes = box_->unmodifiedCp1252Text()) {
        if (analysedBytes_ != bytes) {
            abandonUnfinished();
            analysedBytes_ = bytes;
            analysis_ = analyseInWorker([bytes] { return bytes; }, letters_);
        }
        return analysis_;
    }
    if (analysedBytes_ || analysedVersion_ != version_) {
        typingPause_->stop();
        abandonUnfinished();
        analysedBytes_ = nullptr;
        analysedVersion_ = version_;
        analysis_ = analyseInWorker(
            [shown = box_->text()] { return std::make_shared<const std::string>(toCp1252(shown)); }, letters_);
    }
    return analysis_;
}

} // namespace quorvelle::ui
