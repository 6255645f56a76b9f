#include "image/image_journal.h"

#include "files/flush_to_disk.h"
#include "files/replace_file.h"
#include "files/whole_file.h"
#include "text/code_page.h"
#include "text/file_path.h"
#include "text/utf8_text.h"

namespace {

constexpr char Tab = '\t';
constexpr char LineEnd = '\n';
const char* const HeadingStart = "talonsendplu journal 1";
const char* const TrustedBase = "base trusted";
const char* const UntrustedBase = "base untrusted";
const char* const PatchKind = "patch";
const char* const FullSendKind = "full send";
const char* const PlanEnd = "begin";
constexpr char PlannedWrite = 'w';
constexpr char PlannedErase = 'e';
constexpr char RepliedWrite = 'W';
constexpr char RepliedErase = 'E';
constexpr char RepliedRefusal = 'R';
constexpr std::size_t MaxLocationDigits = 4;

std::string FieldsText(const TalonPLUItem& item) {
    return Utf16ToUtf8(Cp1251ToUtf16(item.ToFileText(Tab).Text()));
}

TalonPLUItem FromFields(const std::string& utf8) {
    TalonPLUItem item;
    item.FromFileText(ECRString(Utf16ToCp1251(Utf8ToUtf16(utf8)).c_str()), Tab);
    return item;
}

std::string StepLine(char tag, int location, const TalonPLUItem* item) {
    std::string line = std::string(1, tag) + Tab + std::to_string(location);
    if (item != nullptr) {
        line += Tab + FieldsText(*item);
    }
    return line + LineEnd;
}

// "T<TAB>location[<TAB>fields]": its tag, location and fields; false for anything else.
bool SplitLine(const std::string& line, char& tag, int& location, std::string& fields) {
    if (line.size() < 3 || line[1] != Tab) {
        return false;
    }
    tag = line[0];
    const std::size_t end = line.find(Tab, 2);
    const std::string number = line.substr(2, end == std::string::npos ? end : end - 2);
    if (number.empty() || number.size() > MaxLocationDigits ||
        number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    location = std::stoi(number);
    fields = end == std::string::npos ? std::string() : line.substr(end + 1);
    return true;
}

// The whole lines of the file; a last one without its line feed is dropped. Nothing when
// the file cannot be read to its end: a journal cut by a read error must not pass for one
// cut by a kill.
std::vector<std::string> WholeLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text;
    if (ReadWholeFile(path, text) != WholeFileRead::Read) {
        return lines;
    }
    std::size_t start = 0;
    for (std::size_t end = text.find(LineEnd); end != std::string::npos;
         end = text.find(LineEnd, start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::optional<JournalReply> ReadReply(const std::string& line) {
    char tag = 0;
    JournalReply reply;
    std::string fields;
    if (!SplitLine(line, tag, reply.Location, fields)) {
        return std::nullopt;
    }
    switch (tag) {
    case RepliedWrite:
        reply.What = JournalReply::Written;
        reply.Item = FromFields(fields);
        return fields.empty() ? std::nullopt : std::optional<JournalReply>(reply);
    case RepliedErase:
        reply.What = JournalReply::Erased;
        return reply;
    case RepliedRefusal:
        reply.What = JournalReply::Refused;
        return reply;
    default:
        return std::nullopt;
    }
}

JournalStep StepOf(const JournalReply& reply, JournalStep planned) {
    switch (reply.What) {
    case JournalReply::Written:
        return JournalStep::Write;
    case JournalReply::Erased:
        return JournalStep::Erase;
    case JournalReply::Refused:
        break;
    }
    return planned; // a refusal answers either
}

// Each reply answers the next planned step of its location; one that answers none ends
// the reading there.
void ReadReplies(const std::vector<std::string>& lines, std::size_t first,
                 const std::vector<PlannedStep>& plan, JournalReading& reading) {
    std::size_t next = 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::optional<JournalReply> reply = ReadReply(lines[i]);
        if (!reply) {
            break;
        }
        std::size_t at = next;
        while (at < plan.size() && (plan[at].Location != reply->Location ||
                                    plan[at].Step != StepOf(*reply, plan[at].Step))) {
            ++at;
        }
        if (at == plan.size()) {
            break;
        }
        reading.Replies.push_back(*reply);
        next = at + 1;
    }
    if (next < plan.size()) {
        reading.InFlight = plan[next].Location;
    }
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = line.find(Tab); end != std::string::npos; end = line.find(Tab, start)) {
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// "talonsendplu journal 1<TAB>base [un]trusted[<TAB>kind]"; journals written before the
// kind was recorded were all patches.
bool ReadHeading(const std::string& line, JournalReading& reading) {
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() < 2 || fields.size() > 3 || fields[0] != HeadingStart ||
        (fields[1] != TrustedBase && fields[1] != UntrustedBase)) {
        return false;
    }
    reading.BaseTrusted = fields[1] == TrustedBase;
    if (fields.size() == 3 && fields[2] != PatchKind && fields[2] != FullSendKind) {
        return false;
    }
    reading.Kind = fields.size() == 3 && fields[2] == FullSendKind ? JournalKind::FullSend
                                                                   : JournalKind::Patch;
    return true;
}

} // namespace

JournalReading ReadJournal(const std::string& path) {
    JournalReading reading;
    const std::vector<std::string> lines = WholeLines(path);
    if (lines.empty() || !ReadHeading(lines[0], reading)) {
        return JournalReading();
    }
    std::vector<PlannedStep> plan;
    std::size_t i = 1;
    for (; i < lines.size() && lines[i] != PlanEnd; ++i) {
        char tag = 0;
        PlannedStep step;
        std::string fields;
        if (!SplitLine(lines[i], tag, step.Location, fields) ||
            (tag != PlannedWrite && tag != PlannedErase)) {
            return reading;
        }
        step.Step = tag == PlannedWrite ? JournalStep::Write : JournalStep::Erase;
        plan.push_back(step);
    }
    if (i == lines.size()) {
        return reading; // the plan is written whole or not at all; this is no journal
    }
    // A patch of an untrusted image tells nothing of the locations it left alone.
    reading.Usable = reading.BaseTrusted || reading.Kind == JournalKind::FullSend;
    if (!reading.Usable) {
        return reading;
    }
    ReadReplies(lines, i + 1, plan, reading);
    return reading;
}

JournalWriter::~JournalWriter() {
    Close();
}

bool JournalWriter::Start(const std::string& path, bool baseTrusted, JournalKind kind,
                          const std::vector<PlannedStep>& plan) {
    Close();
    std::string text = std::string(HeadingStart) + Tab +
                       (baseTrusted ? TrustedBase : UntrustedBase) + Tab +
                       (kind == JournalKind::FullSend ? FullSendKind : PatchKind) + LineEnd;
    for (const PlannedStep& step : plan) {
        const bool write = step.Step == JournalStep::Write;
        text += StepLine(write ? PlannedWrite : PlannedErase, step.Location,
                         write ? &step.Item : nullptr);
    }
    text += std::string(PlanEnd) + LineEnd;
    if (!ReplaceFileContent(path, text)) {
        return false;
    }
    File = OpenFile(path, "ab");
    if (File == nullptr) {
        return false;
    }
    Flusher = std::make_unique<FlushBehind>(File);
    return true;
}

bool JournalWriter::Add(const JournalReply& reply) {
    if (File == nullptr) {
        return false;
    }
    const char tag = reply.What == JournalReply::Written  ? RepliedWrite
                     : reply.What == JournalReply::Erased ? RepliedErase
                                                          : RepliedRefusal;
    const std::string line =
        StepLine(tag, reply.Location, reply.What == JournalReply::Written ? &reply.Item : nullptr);
    // The reply before must be on the disk before this one follows it; the sync of this
    // one runs while the next command goes out.
    return Flusher->Wait() && std::fwrite(line.data(), 1, line.size(), File) == line.size() &&
           Flusher->Flush();
}

bool JournalWriter::Close() {
    if (File == nullptr) {
        return true;
    }
    const bool synced = Flusher->Wait();
    Flusher.reset();
    const bool closed = std::fclose(File) == 0;
    File = nullptr;
    return synced && closed;
}
