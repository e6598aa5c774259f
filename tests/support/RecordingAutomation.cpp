#include "support/RecordingAutomation.h"

namespace ravlet::test {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '\0' ? std::string("\\0") : std::string(1, c);
    return out + "\"";
}

std::string Shown(const AutoArg& a) {
    switch (a.kind) {
        case AutoArg::Kind::Text:
            return Quoted(a.text);
        case AutoArg::Kind::Int16:
            return "i16:" + std::to_string(a.number);
        case AutoArg::Kind::TextArray: {
            std::string out = "[";
            for (std::size_t i = 0; i < a.array->size(); ++i)
                out += (i ? "|" : "") + Quoted((*a.array)[i]);
            return out + "]";
        }
    }
    return "?";
}

class Recorder : public AutoObject {
  public:
    Recorder(std::vector<std::string>& calls, const std::map<std::string, AutoError>& failing,
             const std::function<void()>& onCall)
        : calls_(calls), failing_(failing), onCall_(onCall) {}
    bool Put(const std::string& name, const std::string& value, AutoError&) override {
        calls_.push_back("put " + name + "=" + Quoted(value));
        return true;
    }
    bool Call(const std::string& name, std::vector<AutoArg>& args, AutoError& error) override {
        std::string line = "call " + name + "(";
        for (std::size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + Shown(args[i]);
        calls_.push_back(line + ")");
        if (onCall_) onCall_();
        const auto it = failing_.find(name);
        if (it == failing_.end()) return true;
        error = it->second;
        return false;
    }

  private:
    std::vector<std::string>& calls_;
    const std::map<std::string, AutoError>& failing_;
    const std::function<void()>& onCall_;
};

}  // namespace

RecordingAutomation::~RecordingAutomation() {
    for (const std::string& id : registered_) RegisterAutoClass(id, AutoFactory());
}

void RecordingAutomation::Register(const std::string& progId) {
    registered_.push_back(progId);
    RegisterAutoClass(progId, [this, progId](AutoError&) -> std::unique_ptr<AutoObject> {
        calls.push_back("create " + progId);
        return std::make_unique<Recorder>(calls, failing_, onCall);
    });
}

void RecordingAutomation::RegisterFailing(const std::string& progId, AutoError error) {
    registered_.push_back(progId);
    RegisterAutoClass(progId, [error](AutoError& out) -> std::unique_ptr<AutoObject> {
        out = error;
        return nullptr;
    });
}

}  // namespace ravlet::test
