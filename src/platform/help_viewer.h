#pragma once

namespace quillane {

// The help window over the shipped help topics.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int contextNumber) = 0;
};

}  // namespace quillane
