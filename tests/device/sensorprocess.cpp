// Another program using the simulated sensor, for the tests that need two
// processes. It takes its settings from the environment, as the utility
// does, reads one command per line and answers each with a line:
//   connect        -> "status error"
//   disconnect     -> "status error"
//   read           -> "status error" of ReadCfg
//   commit N       -> "status error" of WriteCfg, after setting PressRate N
//   commit-forever -> "committing", then commits until it is killed
#include "kv3rapi.h"

#include <iostream>
#include <sstream>
#include <string>

namespace {

void answer(int16_t status)
{
    std::cout << status << ' ' << GetLastLibErr() << std::endl;
}

int16_t commit(int16_t pressRate)
{
    IdleParms idle{};
    GetIdleParms(&idle);
    idle.PressRate = pressRate;
    SetIdleParms(&idle);
    return WriteCfg();
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "connect") {
            int32_t version = 0;
            answer(USBConnect(&version));
        } else if (command == "disconnect") {
            answer(USBDisconnect());
        } else if (command == "read") {
            answer(ReadCfg());
        } else if (command == "commit") {
            int value = 0;
            words >> value;
            answer(commit(static_cast<int16_t>(value)));
        } else if (command == "commit-forever") {
            std::cout << "committing" << std::endl;
            for (int16_t value = 0;; value = static_cast<int16_t>((value + 1) % 256))
                commit(value);
        } else {
            std::cerr << "sensorprocess: unknown command \"" << command << "\"\n";
            return 2;
        }
    }
    return 0;
}
