#pragma once
// A client maintenance form for tests: it records what the screen shows and answers as scripted.

#include <functional>
#include <string>
#include <vector>

#include "rcvclients/client_screen.h"
#include "testing/scripted_answers.h"

namespace orvant::masters {

class ScriptedHost : public MasterHost, public ClientPickers, public testing::ScriptedAnswers {
public:
    std::vector<std::string> focuses;
    int page = 0;
    std::string clientPicked, salesmanPicked, territoryPicked;
    int termsPicked = 0, accountPicked = 0;

    ui::Answer message(int number, ui::MessageKind) override
    {
        if (onMessage) onMessage();
        return answer(number);
    }
    void focus(const std::string& field) override { focuses.push_back(field); }
    void showPage(int shown) override { page = shown; }
    void refresh() override {}
    void waiting() override {}
    bool waitCancelled() override { return false; }
    void waitOver() override {}
    std::string client() override { return clientPicked; }
    std::string salesman() override { return salesmanPicked; }
    std::string territory() override { return territoryPicked; }
    int terms() override { return termsPicked; }
    int account() override { return accountPicked; }

    std::function<void()> onMessage;  // while the message is shown

    std::string lastFocus() const { return focuses.empty() ? std::string() : focuses.back(); }
};

}  // namespace orvant::masters
