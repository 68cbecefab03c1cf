#pragma once
// A painter context of the Qt host that notes every text it draws wider than the box the program
// drew it in: the runs that the box's clip cuts at its left or right edge, as the host's fonts
// measure them. The text is drawn as ever, so the surface shows what the screen shows.

#include <string>
#include <vector>

#include "platform/qt/PainterDC.h"

namespace qttest {

class CutTextRuns final : public platform::PainterDC {
public:
    using PainterDC::PainterDC;

    // "text" run from..to clipped at from..to, one entry a cut run.
    std::vector<std::string> cut;
    int runs = 0;

protected:
    void DeviceText(const platform::TextRun& run) override {
        ++runs;
        if (run.clip && (run.box.left < run.clip->left || run.box.right > run.clip->right))
            cut.push_back("\"" + run.text + "\" " + std::to_string(run.box.left) + ".." +
                          std::to_string(run.box.right) + " in its box " + std::to_string(run.clip->left) + ".." +
                          std::to_string(run.clip->right));
        PainterDC::DeviceText(run);
    }
};

}  // namespace qttest
