#include "scene/explanation.h"

#include <algorithm>

namespace corvane {

void addExplanation(Steps& steps, std::string sentence)
{
    if (sentence.empty())
        return;
    const auto lastLog = std::find_if(steps.rbegin(), steps.rend(), [](const Step& s) {
        const auto* l = std::get_if<step::Log>(&s);
        return l != nullptr && !l->aside;
    });
    step::Log aside{std::move(sentence), true};
    if (lastLog == steps.rend())
        steps.push_back(std::move(aside));
    else
        steps.insert(lastLog.base(), std::move(aside));
}

}  // namespace corvane
