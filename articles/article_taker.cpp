#include "articles/article_taker.h"

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

bool ArticleTaker::Line(int line, const LineFields& fields) {
    LineReading reading;
    if (Next < ArticleTableSize) {
        if (ReadFields(fields, Table[Next], reading)) {
            ++Next;
            return true;
        }
        Table[Next] = TalonPLUItem();
        if (reading.Fault == LineFault::None) {
            return true;
        }
        if (static_cast<int>(Outcome.Notes.size()) < MaxRowNotes) {
            Outcome.Notes.push_back(RowNote{line, reading});
        } else {
            ++Outcome.NotesLeftOut;
        }
        return true;
    }
    // The table is full: count what would have been taken, but look at no more than a
    // bounded number of lines so that a huge file cannot stall the program.
    if (Counted++ == MaxLinesCounted) {
        Outcome.CountStopped = true;
        return false;
    }
    TalonPLUItem item;
    Outcome.LinesNotTaken += ReadFields(fields, item, reading) ? 1 : 0;
    return true;
}

void ArticleTaker::Finish() {
    Outcome.Taken = Next - FirstLoadedLocation;
}
