#include "tape/history.h"

#include <algorithm>
#include <array>

namespace talco {

namespace {

void dropUnchanged(std::vector<HistoryStep::Text>& texts)
{
    std::erase_if(texts, [](const HistoryStep::Text& t) { return t.before == t.after; });
}

} // namespace

void TapeHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

void TapeHistory::open(const CaretPlace& place, unsigned long focusMoves)
{
    m_open = true;
    // The buffer of texts is kept from step to step: typing records into it without
    // allocating.
    m_step.texts.clear();
    m_step.placeBefore = place;
    m_touched.reset();
    m_focusMovesAtOpen = focusMoves;
}

void TapeHistory::commit(const CaretPlace& place, std::optional<CellId> typingIn,
                         unsigned long focusMoves)
{
    dropUnchanged(m_step.texts);
    const bool typing = typingIn && focusMoves == m_focusMovesAtOpen && place.focus == typingIn;

    if (typing && m_redo.empty() && !m_undo.empty() && m_undo.back().typingIn == typingIn &&
        m_undo.back().focusMovesAtEnd == m_focusMovesAtOpen) {
        HistoryStep& last = m_undo.back();
        std::array<int, Slots> index;
        index.fill(-1);
        for (std::size_t i = 0; i < last.texts.size(); ++i)
            index[slot(last.texts[i])] = int(i);
        for (HistoryStep::Text& t : m_step.texts) {
            const int at = index[slot(t)];
            if (at >= 0)
                last.texts[std::size_t(at)].after = std::move(t.after);
            else
                last.texts.push_back(std::move(t));
        }
        last.placeAfter = place; // the focus has not moved since: its count is as it was
        // A digit and its Backspace leave nothing to undo.
        dropUnchanged(last.texts);
        if (last.texts.empty())
            m_undo.pop_back();
        return;
    }

    if (m_step.texts.empty())
        return;
    HistoryStep& step = m_undo.emplace_back();
    step.texts.assign(m_step.texts.begin(), m_step.texts.end());
    step.placeBefore = m_step.placeBefore;
    step.placeAfter = place;
    step.typingIn = typing ? typingIn : std::nullopt;
    step.focusMovesAtEnd = focusMoves;
    if (m_undo.size() > Capacity)
        m_undo.pop_front();
    m_redo.clear();
}

const HistoryStep* TapeHistory::takeUndo()
{
    if (m_undo.empty())
        return nullptr;
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    return &m_redo.back();
}

const HistoryStep* TapeHistory::takeRedo()
{
    if (m_redo.empty())
        return nullptr;
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    return &m_undo.back();
}

} // namespace talco
