#include "emulator/fault_plan.h"

#include <algorithm>
#include <map>

namespace {
// Where a code reply carries its digits: letters only.
constexpr char NoDigitsBody[] = "RCOK";

// The fault planned for a location, if any.
template <typename Value>
std::optional<Value> PlannedFor(const std::map<int, Value>& plan, int location) {
    const auto found = plan.find(location);
    if (found == plan.end()) {
        return std::nullopt;
    }
    return found->second;
}
} // namespace

bool FaultPlan::MayAnswer() {
    if (AnswersLeft == Never) {
        return true;
    }
    if (AnswersLeft == 0) {
        return false;
    }
    --AnswersLeft;
    return true;
}

std::optional<int> FaultPlan::TakeRefusal() {
    std::optional<int> code;
    code.swap(Refusal);
    return code;
}

std::optional<int> FaultPlan::WriteRefusal(int location) const {
    return PlannedFor(WriteRefusals, location);
}

std::optional<std::string> FaultPlan::WriteGarbageFor(int location) const {
    return PlannedFor(WriteGarbage, location);
}

std::optional<StoredArticle> FaultPlan::WriteAlteration(int location) const {
    return PlannedFor(Alterations, location);
}

std::string FaultPlan::SpoilBody(std::string body) {
    if (NoDigits) {
        body = NoDigitsBody;
        NoDigits = false;
    }
    return body;
}

std::string FaultPlan::Spoil(std::string reply) {
    if (Garbage) {
        reply = *Garbage;
        Garbage.reset();
    }
    if (NulAt && !reply.empty()) {
        const auto at = std::min<std::string::size_type>(std::max(*NulAt, 0), reply.size() - 1);
        reply[at] = '\0';
        NulAt.reset();
    }
    if (CutAt) {
        reply.resize(std::min<std::string::size_type>(std::max(*CutAt, 0), reply.size()));
        CutAt.reset();
    }
    if (Noise) {
        reply.insert(0, *Noise); // before whatever goes out, so the other faults' positions hold
        Noise.reset();
    }
    return reply;
}

int LastNextID(NextIDFault fault, int firstLocation) {
    switch (fault) {
    case NextIDFault::LoopBack:
        return firstLocation;
    case NextIDFault::Beyond3000:
        return BeyondTableNextID;
    case NextIDFault::None:
        break;
    }
    return 0;
}
