// The analysis of a text box's text, and the work that waits for it, off the interface thread.
#pragma once

#include "core/text/analysed_text.h"
#include "ui/cancellable_work.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QPromise>
#include <QThreadPool>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

class QTimer;

namespace quorvelle::ui {

class LoadedTextBox;

/// Keeps the analysis of the text a box holds. A text put in the box (an opened file, from its
/// bytes) is analysed at once; an edited text once the user pauses typing, or when asked for.
/// An analysis stays the box's for as long as the text is as it was analysed; an analysis
/// under way for a text the box no longer holds is cancelled, and stops where it is. An
/// analysis tells its future how far it has gone.
class TextAnalysis final : public QObject {
    Q_OBJECT
public:
    /// How long the user must stop typing before the edited text is analysed.
    static constexpr int typingPauseMs = 500;

    explicit TextAnalysis(LoadedTextBox* box);
    ~TextAnalysis() override;

    /// The analysis of the text as the box holds it now: the one done or under way when the
    /// text has not changed since it started, a new one otherwise.
    QFuture<SharedText> current();
    /// Puts a text analysed elsewhere in the box, its analysis and its letter rule with it.
    void showAnalysed(SharedText text);
    /// Whether the box now holds text, character for character: the bytes of the unmodified file
    /// text was analysed from, or the edited text of the analysis made since the last edit.
    bool boxHolds(const AnalysedText& text) const;

    /// The rule the text's forms are cut by; a change analyses the text again at once.
    LetterRule letters() const { return letters_; }
    void setLetters(LetterRule letters);

private:
    /// The box holds another text: its analysis starts at once.
    void analyseNewText();
    /// The user edited the text: an analysis under way is of a text the box no longer holds;
    /// the next starts once the user pauses.
    void noteEdit();
    /// Stops the analysis under way, if any, and forgets it.
    void abandonUnfinished();
    /// Forgets the analysis, finished or not, stopping it if it runs.
    void forgetAnalysis();

    LoadedTextBox* box_;
    QTimer* typingPause_;
    QFuture<SharedText> analysis_;
    LetterRule letters_ = LetterRule::Classic;
    /// What analysis_ was started on: the bytes of an unmodified file, or else the box's
    /// version of its text.
    std::shared_ptr<const std::string> analysedBytes_;
    std::uint64_t analysedVersion_ = 0;
    /// Counts every change of the box's text.
    std::uint64_t version_ = 1;
};

/// True when a finished analysis has its result, false when it was abandoned (its text
/// replaced meanwhile). Throws what the analysis threw.
bool hasAnalysed(QFuture<SharedText> analysis);

/// Calls start on the interface thread once every one of the futures has finished.
void afterAll(const QList<QFuture<void>>& futures, std::function<void()> start);

/// What compute makes of the analysed texts, in a worker thread started once their analyses
/// are there (no thread waits for them meanwhile); the future ends without a result when one
/// of them was abandoned or when it is cancelled (see fulfilUnlessCancelled), and with the
/// exception that an analysis or compute threw.
template <class Compute, class... Analyses>
auto computeWhenAnalysed(Compute compute, Analyses... analyses)
{
    using Result = std::invoke_result_t<Compute, decltype(analyses.result())...>;
    auto promise = std::make_shared<QPromise<Result>>();
    promise->start();
    afterAll({QFuture<void>(analyses)...}, [promise, compute = std::move(compute), analyses...] {
        QThreadPool::globalInstance()->start([promise, compute, analyses...] {
            try {
                if ((hasAnalysed(analyses) && ...))
                    fulfilUnlessCancelled(*promise, [&] { return compute(analyses.result()...); });
            } catch (...) {
                promise->setException(std::current_exception());
            }
            promise->finish();
        });
    });
    return promise->future();
}

} // namespace quorvelle::ui
