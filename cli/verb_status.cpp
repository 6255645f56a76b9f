#include <string>

#include "cli/cli_options.h"
#include "cli/port_sinks.h"
#include "cli/port_targets.h"
#include "cli/terminal_output.h"
#include "cli/verbs.h"
#include "ecr/talon_ecr.h"
#include "operations/status_report.h"

namespace {

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A saved till's name and port, or the port's name when several registers answer together.
std::string JsonObject(const std::vector<StatusField>& fields, const std::string& till,
                       const std::string& port) {
    std::string json = "{";
    if (!till.empty()) {
        json += "\"Kasa\":" + JsonString(till) + ",";
    }
    if (!port.empty()) {
        json += "\"Port\":" + JsonString(port) + ",";
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string value = ToUtf8(fields[i].Value);
        json += (i > 0 ? "," : "") + JsonString(fields[i].Key) + ":" +
                (fields[i].Numeric ? value : JsonString(value));
    }
    return json + "}\n";
}

} // namespace

ExitStatus RunStatus(VerbContext& context) {
    context.ECR.RequestStatus();
    const std::vector<StatusField> fields = StatusFields(context.ECR.GetStatusItem());
    const std::string& prefix = context.Log.Prefix();
    if (context.Options.Json) {
        const PortTarget& target = context.Target;
        const std::string port = target.Saved ? target.Port : prefix.empty() ? "" : target.Name;
        context.Out.Result(JsonObject(fields, target.Saved ? target.Name : "", port));
        return ExitDone;
    }
    std::string lines;
    for (const StatusField& field : fields) {
        lines += prefix + field.Label + ToUtf8(field.Value) + "\n";
    }
    context.Out.Result(lines);
    return ExitDone;
}
