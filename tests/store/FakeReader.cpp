// A reader of Access files failing as its file name begins: "cut" stops inside a row, "trailing"
// writes past the end mark, "stall" writes nothing and waits, any other dies without a word.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int, char** argv) {
    const std::string path = argv[0];
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    if (name.starts_with("cut")) {
        std::fwrite("R\1\5\0", 1, 4, stdout);
    } else if (name.starts_with("trailing")) {
        std::fputs("ER", stdout);
    } else if (name.starts_with("stall")) {
        std::this_thread::sleep_for(std::chrono::seconds(30));
    } else {
        std::abort();
    }
}
