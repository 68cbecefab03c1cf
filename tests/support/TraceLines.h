#pragma once
// The trace lines the program writes while a test keeps them: all of them, or those from a mark on
// (a key's or a step's own lines).

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "model/Trace.h"

class TraceLines {
public:
    TraceLines() {
        Lines().clear();
        SetTraceSink({[] { return true; }, [](const std::string& text, unsigned) { Lines().push_back(text); }});
    }
    ~TraceLines() { SetTraceSink({}); }
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }
    bool Contains(const std::string& part) const { return Has(Lines().begin(), part); }
    void Mark() { mark_ = Lines().size(); }
    std::vector<std::string> SinceMark() const { return {FromMark(), Lines().cend()}; }
    bool SinceMarkHas(const std::string& part) const { return Has(FromMark(), part); }

private:
    std::vector<std::string>::const_iterator FromMark() const {
        return Lines().cbegin() + static_cast<std::ptrdiff_t>(std::min(mark_, Lines().size()));
    }
    static bool Has(std::vector<std::string>::const_iterator from, const std::string& part) {
        return std::any_of(from, Lines().cend(),
                           [&](const std::string& line) { return line.find(part) != std::string::npos; });
    }
    std::size_t mark_ = 0;
};
