// https against a loopback TLS server whose certificate the test makes (openssl's own server
// and certificate tool).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>

#include "net/RvNetGet.h"
#include "platform/Inet.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

class TlsServer : public testing::Test {
  protected:
    void SetUp() override {
        const std::string cert = home.File("cert.pem"), key = home.File("key.pem");
        const std::string make =
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
            "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
            key + "' -out '" + cert + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(make.c_str()), 0) << "the openssl tool makes the certificate";
        certificate = cert;
        // -www answers every GET with a small HTML status page.
        const std::string serve = "exec openssl s_server -accept 127.0.0.1:0 -www -cert '" + cert +
                                  "' -key '" + key + "' </dev/null >'" + home.File("server.out") +
                                  "' 2>&1";
        pid = ::fork();
        if (pid == 0) {
            ::execl("/bin/sh", "sh", "-c", serve.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_GT(pid, 0);
        const std::regex accept("ACCEPT 127\\.0\\.0\\.1:([0-9]+)");
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        std::smatch m;
        std::string out;
        while (std::chrono::steady_clock::now() < end) {
            out = home.Read("server.out");
            if (std::regex_search(out, m, accept)) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_TRUE(std::regex_search(out, m, accept)) << out;
        port = m[1].str();
        unsetenv("CURL_CA_BUNDLE");
        get.NetInit("ravlet-test", 0, "");
        get.Timeout(10000);
    }
    void TearDown() override {
        InetTrustedCertificates("");
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
    std::string Url(const std::string& path) const { return "https://127.0.0.1:" + port + path; }

    test::TempHome home;
    test::ScriptedUi ui;
    RvNetGet get;
    std::string certificate, port;
    pid_t pid = -1;
};

TEST_F(TlsServer, ATrustedCertificateFetchesThePage) {
    InetTrustedCertificates(certificate);
    bool ok = false;
    get.NetUrlOpen(Url("/secure/page.html"), "accept: */html\r\n", ok);
    ASSERT_TRUE(ok) << get.NetError();
    EXPECT_EQ(get.StatusCode(), 200);
    EXPECT_EQ(get.NetUrlHeader(3), "text/html");
    // The requested name keeps the scheme the request went out with.
    EXPECT_EQ(get.NetUrlHeaderRequestName(), Url("/secure/page.html"));
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok) << get.NetError();
    EXPECT_NE(get.DataText().find("<HTML>"), std::string::npos) << get.DataText();
}

TEST_F(TlsServer, TheEnvironmentNamesTheCertificates) {
    setenv("CURL_CA_BUNDLE", certificate.c_str(), 1);
    bool ok = false;
    get.NetUrlOpen(Url("/"), "", ok);
    unsetenv("CURL_CA_BUNDLE");
    EXPECT_TRUE(ok) << get.NetError();
}

TEST_F(TlsServer, AnUntrustedCertificateSaysSo) {
    // Without the certificate the system's store is used, which does not know it.
    bool ok = true;
    get.NetUrlOpen(Url("/"), "", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.NetError(), "The server's certificate is not trusted.");
}

}  // namespace
}  // namespace ravlet
