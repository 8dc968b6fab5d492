#include "platform/help_topics.h"

#include <array>

namespace quillane {

namespace {

struct HelpTopic {
    int contextNumber;
    const char* page;
};

constexpr std::array kHelpTopics{
    HelpTopic{10, "tutorial.html"},
    HelpTopic{33, "glossary.html"},
    HelpTopic{40, "howto.html"},
    HelpTopic{42, "upload.html"},
};

}  // namespace

std::string HelpTopicPage(int contextNumber) {
    for (const HelpTopic& topic : kHelpTopics) {
        if (topic.contextNumber == contextNumber) return topic.page;
    }
    return kHelpContentsPage;
}

}  // namespace quillane
