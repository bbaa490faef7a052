#include "xorg_server.h"

#include "../support/wait_until.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace xorg_test {

namespace fs = std::filesystem;

const XorgServer::Mode XorgServer::k1920x1080 { 1920, 1080, "148.50 1920 2008 2052 2200 1080 1084 1089 1125" };
const XorgServer::Mode XorgServer::k1280x1024 { 1280, 1024, "108.00 1280 1328 1440 1688 1024 1025 1028 1066" };
const XorgServer::Mode XorgServer::k1024x768 { 1024, 768, "65.00 1024 1048 1184 1344 768 771 777 806" };
const XorgServer::Mode XorgServer::k800x600 { 800, 600, "40.00 800 840 968 1056 600 601 605 628" };
const XorgServer::Mode XorgServer::k640x480 { 640, 480, "25.18 640 656 752 800 480 490 492 525" };

fs::path xorgProgram()
{
    for (const char* candidate : { "/usr/lib/xorg/Xorg", "/usr/bin/Xorg" }) {
        if (::access(candidate, X_OK) == 0)
            return candidate;
    }
    return {};
}

namespace {

std::string modeName(const XorgServer::Mode& mode) { return std::to_string(mode.width) + "x" + std::to_string(mode.height); }

// The line rate of a modeline in kHz: its clock over the total width.
double lineRateKhz(const XorgServer::Mode& mode)
{
    std::istringstream line(mode.modeline);
    double clockMhz = 0, width = 0, syncStart = 0, syncEnd = 0, total = 0;
    line >> clockMhz >> width >> syncStart >> syncEnd >> total;
    return total > 0 ? clockMhz * 1000.0 / total : 0;
}

// Only the modes given, none of the server's built-in ones, so a missing mode is really missing.
void writeConfig(const fs::path& file, const std::vector<XorgServer::Mode>& modes)
{
    std::ofstream out(file);
    out << "Section \"Device\"\n  Identifier \"dummy\"\n  Driver \"dummy\"\n  VideoRam 256000\nEndSection\n";
    // The dummy driver offers its built-in modes whatever the configuration says, but only those
    // the monitor's line rates allow: a narrow range around each of our modes keeps the rest out.
    out << "Section \"Monitor\"\n  Identifier \"monitor\"\n  HorizSync ";
    for (size_t i = 0; i < modes.size(); ++i) {
        const double rate = lineRateKhz(modes[i]);
        out << (i ? ", " : "") << rate - 0.05 << "-" << rate + 0.05;
    }
    out << "\n  VertRefresh 5.0-200.0\n";
    for (const auto& mode : modes)
        out << "  Modeline \"" << modeName(mode) << "\" " << mode.modeline << "\n";
    out << "EndSection\n";
    out << "Section \"Screen\"\n  Identifier \"screen\"\n  Device \"dummy\"\n  Monitor \"monitor\"\n  DefaultDepth 24\n"
        << "  SubSection \"Display\"\n    Depth 24\n    Modes";
    for (const auto& mode : modes)
        out << " \"" << modeName(mode) << "\"";
    out << "\n  EndSubSection\nEndSection\n";
    out << "Section \"ServerFlags\"\n  Option \"AutoAddDevices\" \"false\"\n  Option \"AutoAddGPU\" \"false\"\nEndSection\n";
}

} // namespace

XorgServer::~XorgServer() { stop(); }

bool XorgServer::start(const std::vector<Mode>& modes)
{
    const fs::path xorg = xorgProgram();
    if (xorg.empty()) {
        m_error = "Xorg is not installed (packages xserver-xorg-core and xserver-xorg-video-dummy)";
        return false;
    }
    m_scratch = std::make_unique<TempFolder>("xorg-test-XXXXXX");
    m_folder = m_scratch->path();
    if (m_folder.empty()) {
        m_error = "no temporary folder";
        return false;
    }
    const fs::path config = m_folder / "xorg.conf";
    writeConfig(config, modes);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        m_error = std::strerror(errno);
        return false;
    }
    const std::string configText = config.string(), logText = (m_folder / "xorg.log").string();
    const std::string fdText = std::to_string(pipeFds[1]);
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(pipeFds[0]);
        int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        ::setpgid(0, 0);
        ::execl(xorg.c_str(), "Xorg", "-displayfd", fdText.c_str(), "-noreset", "-config", configText.c_str(), "-logfile",
            logText.c_str(), "-novtswitch", "-sharevts", "-nolisten", "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (m_pid < 0) {
        ::close(pipeFds[0]);
        m_error = std::strerror(errno);
        return false;
    }
    // The server writes its display number once it accepts clients.
    std::string number;
    pollfd wait { pipeFds[0], POLLIN, 0 };
    const auto deadline = std::chrono::steady_clock::now() + test_support::kGenerousDeadline;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::poll(&wait, 1, 200) > 0) {
            char c = 0;
            ssize_t got = ::read(pipeFds[0], &c, 1);
            if (got <= 0)
                break;
            if (c == '\n')
                break;
            number += c;
        }
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            break;
        }
    }
    ::close(pipeFds[0]);
    if (number.empty()) {
        std::ifstream log(logText);
        std::string line, last;
        while (std::getline(log, line))
            if (line.find("(EE)") != std::string::npos)
                last = line;
        m_error = "Xorg did not start" + (last.empty() ? std::string() : ": " + last);
        stop();
        return false;
    }
    m_display = ":" + number;
    return true;
}

void XorgServer::stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 100 && !ended; ++i) {
            ended = ::waitpid(m_pid, &status, WNOHANG) == m_pid;
            if (!ended)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!ended) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
        }
        m_pid = -1;
    }
    m_scratch.reset();
    m_folder.clear();
}

} // namespace xorg_test
