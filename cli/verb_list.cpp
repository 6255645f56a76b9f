#include <string>

#include "articles/article_file.h"
#include "articles/save_by_name.h"
#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "operations/list_articles.h"
#include "operations/operation_summaries.h"
#include "text/utf8_text.h"

namespace {

// Each line after the register's prefix when several list at once.
std::string Utf8Listing(const ArticleTable& table, const std::string& prefix) {
    std::string text;
    for (const std::u16string& line : ArticleFileLines(table)) {
        text += prefix + Utf16ToUtf8(line) + "\n";
    }
    return text;
}

} // namespace

ExitStatus RunList(VerbContext& context) {
    const ListOutcome listed =
        ListArticles(context.ECR, context.Image, context.Articles, context.Progress, context.Log);
    if (listed.Stopped) {
        context.Log.Line(ListStoppedSummary(listed));
        return ExitInterrupted;
    }
    const std::string& output = context.Options.Output;
    if (output.empty() || output == StandardOutput) {
        context.Out.Result(Utf8Listing(context.Articles, context.Log.Prefix()));
        return ExitDone;
    }
    if (!SaveArticleList(output, context.Articles)) {
        context.Log.Say("Greska: fajl " + output + " nije moguce snimiti");
        return ExitUsage;
    }
    return ExitDone;
}
