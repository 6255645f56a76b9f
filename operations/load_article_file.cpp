#include "operations/load_article_file.h"

#include "articles/article_file.h"
#include "operations/operation_sinks.h"

namespace {

constexpr int MostArticles = ArticleTableSize - FirstLoadedLocation;

ECRString CannotLoadLine(const ECRString& path) {
    return ECRString("Greska: fajl ") + path + " nije moguce ucitati";
}

// The reader stops counting far into a huge file; the count is then a lower bound.
ECRString LeftOverLine(const LoadOutcome& outcome) {
    return ECRString(outcome.CountStopped ? "Nije ucitano najmanje " : "Nije ucitano ") +
           ECRString(outcome.LinesNotTaken) + " redova (najvise " + ECRString(MostArticles) +
           " artikala)";
}

} // namespace

bool LoadArticleFileLogged(const std::string& path, const ECRString& shownPath, ArticleTable& table,
                           LogSink& log) {
    const LoadOutcome outcome = LoadArticles(path, table);
    if (!outcome.Opened) {
        log.Line(CannotLoadLine(shownPath));
    }
    if (outcome.LinesNotTaken > 0) {
        log.Line(LeftOverLine(outcome));
    }
    return outcome.Taken > 0;
}
