// quorvi-test-server [PORT] [MODE]
//   PORT  port on 127.0.0.1, 0 (the default) for any free one
//   MODE  "faults" (the default): the built-in routes only;
//         "files:DIR": also every file below DIR, by its decoded path
// Prints the port on a line of its own once it accepts connections, then serves
// until SIGINT or SIGTERM.
#include "HttpsTestServer.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    try {
        const int port = argc > 1 ? std::stoi(argv[1]) : 0;
        const std::string_view mode = argc > 2 ? argv[2] : "faults";
        if (argc > 3 || (mode != "faults" && mode.substr(0, 6) != "files:")) {
            std::cerr << "usage: quorvi-test-server [PORT] [faults|files:DIR]\n";
            return 2;
        }
        sigset_t signals;
        sigemptyset(&signals);
        sigaddset(&signals, SIGINT);
        sigaddset(&signals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals, nullptr);

        quorvi::test::HttpsTestServer::Options options;
        options.port = port;
        quorvi::test::HttpsTestServer server(options);
        if (mode.substr(0, 6) == "files:")
            server.serveDirectory(std::string(mode.substr(6)));
        std::cout << server.port() << std::endl;

        int received = 0;
        sigwait(&signals, &received);
        server.stop();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "quorvi-test-server: " << e.what() << '\n';
        return 1;
    }
}
