#include "articles/article_taker.h"

#include <algorithm>

namespace {

// Reads the fields into item; true when it is an article to take.
bool ReadFields(const LineFields& fields, TalonPLUItem& item, LineReading& reading) {
    reading = ReadArticleFields(fields, item);
    return reading.Fault == LineFault::None && IsArticle(item);
}

} // namespace

void ArticleTaker::Heading(const LineFields& fields) {
    TalonPLUItem item;
    LineReading reading;
    if (ReadFields(fields, item, reading)) {
        Outcome.HeadingIsArticle = true;
        Outcome.HeadingName = item.Name();
    }
}

bool ArticleTaker::Lines(int first, int count, const LineFields& fields) {
    for (int i = 0; i < count; ++i) {
        if (Next == ArticleTableSize) {
            return CountLeftOver(count - i, fields);
        }
        LineReading reading;
        if (!ReadFields(fields, Table[Next], reading)) {
            Table[Next] = TalonPLUItem();
            NoteRefused(first + i, count - i, reading);
            return true;
        }
        ++Next;
    }
    return true;
}

void ArticleTaker::NoteRefused(int first, int count, const LineReading& reading) {
    if (reading.Fault == LineFault::None) {
        return; // skipped silently
    }
    const int room = std::max(0, MaxRowNotes - static_cast<int>(Outcome.Notes.size()));
    const int noted = std::min(count, room);
    for (int k = 0; k < noted; ++k) {
        Outcome.Notes.push_back(RowNote{first + k, reading});
    }
    Outcome.NotesLeftOut += count - noted;
}

// The table is full: count what would have been taken, but look at no more than a
// bounded number of lines so that a huge file cannot stall the program.
bool ArticleTaker::CountLeftOver(int count, const LineFields& fields) {
    TalonPLUItem item;
    LineReading reading;
    const bool article = ReadFields(fields, item, reading);
    const int room = MaxLinesCounted - Counted;
    const int counted = std::min(count, room);
    Counted += counted;
    Outcome.LinesNotTaken += article ? counted : 0;
    if (count > room) {
        Outcome.CountStopped = true;
        return false;
    }
    return true;
}

void ArticleTaker::Finish() {
    Outcome.Taken = Next - FirstLoadedLocation;
}
