#pragma once

#include "sitegen/SiteBuild.h"

#include <string>

namespace palimora::testing {

// A build's progress that shows nothing and never asks to cancel.
class QuietProgress : public BuildProgress {
public:
    void SetMaximum(int) override {}
    void Step() override {}
    void SetStatus(const std::string&) override {}
    bool CancelRequested() override { return false; }
};

}  // namespace palimora::testing
