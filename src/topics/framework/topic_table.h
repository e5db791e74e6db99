// The topic forms of the suite: name, title and topic id, in contents order.
#pragma once

#include <QString>
#include <vector>

namespace orr {

struct TopicInfo {
    const char* name;
    const char* title;
    int id;
    int examples;
};

const std::vector<TopicInfo>& topicTable();
const TopicInfo* topicByName(const QString& name);

}  // namespace orr
