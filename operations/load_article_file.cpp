#include "operations/load_article_file.h"

#include "articles/article_file.h"
#include "articles/load_messages.h"
#include "operations/operation_sinks.h"

bool LoadArticleFileLogged(const std::string& path, const ECRString& shownPath, ArticleTable& table,
                           LogSink& log) {
    const LoadOutcome outcome = LoadArticles(path, table);
    for (const ECRString& line : LoadMessages(outcome, shownPath)) {
        log.Line(line);
    }
    return outcome.Taken > 0;
}
