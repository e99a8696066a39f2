#include "cli/PublishOptions.h"

#include "project/SiteAddress.h"

#include <charconv>

namespace palimora {
namespace {

std::optional<int> NumberIn(const std::string& text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<ReplacePolicy> PolicyNamed(const std::string& name) {
    if (name == "ask") return ReplacePolicy::Ask;
    if (name == "all") return ReplacePolicy::All;
    if (name == "none") return ReplacePolicy::None;
    if (name == "changed") return ReplacePolicy::Changed;
    return std::nullopt;
}

}  // namespace

std::optional<PublishOptions> ParsePublishOptions(const std::vector<std::string>& arguments, ArgumentProblem& problem) {
    PublishOptions options;
    bool hostGiven = false;
    bool userGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            if (!options.project.empty()) {
                problem = {TextId::OneProjectOnly, argument};
                return std::nullopt;
            }
            options.project = argument;
            continue;
        }
        if (argument == "--password") {
            problem = {TextId::PasswordNotAnArgument, {}};
            return std::nullopt;
        }
        if (argument == "--delete" || argument == "--allow-plain") {
            (argument == "--delete" ? options.removeOldFiles : options.allowPlain) = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            problem = {TextId::OptionNeedsValue, argument};
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (argument == "--host") {
            options.host = value;
            hostGiven = true;
        } else if (argument == "--user") {
            options.user = value;
            userGiven = true;
        } else if (argument == "--folder") {
            options.folder = value;
        } else if (argument == "--port") {
            const auto port = NumberIn(value, 1, 65535);
            if (!port) {
                problem = {TextId::PortOutOfRange, value};
                return std::nullopt;
            }
            options.port = *port;
        } else if (argument == "--timeout") {
            const auto seconds = NumberIn(value, 1, 86400);
            if (!seconds) {
                problem = {TextId::TimeoutOutOfRange, value};
                return std::nullopt;
            }
            options.timeoutSeconds = *seconds;
        } else if (argument == "--web-address") {
            options.webAddress = WebAddressAnswered(value);
            if (options.webAddress.empty()) {
                problem = {TextId::WebAddressInvalid, value};
                return std::nullopt;
            }
        } else if (argument == "--trust-fingerprint") {
            options.trustFingerprint = value;
        } else if (argument == "--replace") {
            options.replace = PolicyNamed(value);
            if (!options.replace) {
                problem = {TextId::ReplaceValues, value};
                return std::nullopt;
            }
        } else {
            problem = {TextId::UnknownOption, argument};
            return std::nullopt;
        }
    }
    if (options.project.empty() || !hostGiven || options.host.empty() || !userGiven) {
        problem = {TextId::PublishNeeds, {}};
        return std::nullopt;
    }
    return options;
}

}  // namespace palimora
