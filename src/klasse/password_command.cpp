#include "klasse/password_command.h"

#include "klasse/password.h"

#include <QString>

#include <optional>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {
// One line without its end; nothing at the end of the input.
std::optional<QString> readLine(std::FILE* in) {
    std::string line;
    int c = 0;
    while ((c = std::fgetc(in)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (c == EOF && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
}

// Typing at a terminal is not echoed while the password is read.
class HiddenInput {
public:
    explicit HiddenInput(std::FILE* in)
        : fd_(::fileno(in)) {
        hidden_ = ::isatty(fd_) && ::tcgetattr(fd_, &saved_) == 0;
        if (hidden_) {
            termios quiet = saved_;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(fd_, TCSAFLUSH, &quiet);
        }
    }
    ~HiddenInput() {
        if (hidden_)
            ::tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;
    bool hidden() const { return hidden_; }

private:
    int fd_;
    termios saved_{};
    bool hidden_ = false;
};

std::optional<QString> ask(std::FILE* in, std::FILE* messages, const char* prompt) {
    std::fputs(prompt, messages);
    std::fflush(messages);
    const HiddenInput hidden(in);
    std::optional<QString> line = readLine(in);
    if (hidden.hidden())
        std::fputs("\n", messages);
    return line;
}
} // namespace

int runPasswordHashCommand(std::FILE* in, std::FILE* out, std::FILE* messages) {
    const std::optional<QString> first = ask(in, messages, "Passwort für die Lehrkraft: ");
    const std::optional<QString> second = ask(in, messages, "Noch einmal: ");
    if (!first || first->isEmpty()) {
        std::fputs("moxabc: Kein Passwort eingegeben.\n", messages);
        return 1;
    }
    if (first != second) {
        std::fputs("moxabc: Die beiden Passwörter sind verschieden.\n", messages);
        return 1;
    }
    const QString hash = Password::hash(*first);
    if (hash.isEmpty()) {
        std::fputs("moxabc: Zu wenig Arbeitsspeicher für das Passwort.\n", messages);
        return 1;
    }
    std::fprintf(out,
                 "; In die Gruppe [Klasse] von /etc/xdg/moxabc/moxabc.conf:\nPasswort=\"%s\"\n",
                 hash.toLatin1().constData());
    return 0;
}
