#pragma once

#include "articles/article_table.h"
#include "articles/file_fields.h"
#include "articles/load_outcome.h"

// Takes read lines into the table as a load does, whatever file they came from: from
// location 2 until the table is full, then only counting what would have been taken,
// with the refused lines noted in the outcome.
class ArticleTaker {
public:
    ArticleTaker(ArticleTable& table, LoadOutcome& outcome) : Table(table), Outcome(outcome) {}

    // The heading is never taken; the outcome tells when it reads as an article.
    void Heading(const LineFields& fields);
    // One line of the file (`line` its number, the heading being 1); false once no more
    // lines are wanted.
    bool Line(int line, const LineFields& fields) { return Lines(line, 1, fields); }
    // `count` lines alike, numbered from `first`: a line not taken is refused (or
    // skipped) again in each repeat, so it is read once.
    bool Lines(int first, int count, const LineFields& fields);
    // Sets the count of articles taken.
    void Finish();

private:
    void NoteRefused(int first, int count, const LineReading& reading);
    bool CountLeftOver(int count, const LineFields& fields);

    ArticleTable& Table;
    LoadOutcome& Outcome;
    int Next = FirstLoadedLocation;
    int Counted = 0; // lines looked at once the table was full
};
