#pragma once
// An address split into its parts and put together again. Purely textual: it never
// validates, escapes or changes case, and it never fails.
#include <string>

namespace ravlet {

class RvUrl {
  public:
    std::string Base() const;

    const std::string& Password() const { return password_; }
    void Password(const std::string& v) { password_ = v; }
    const std::string& Username() const { return username_; }
    void Username(const std::string& v) { username_ = v; }
    const std::string& File() const { return file_; }
    void File(const std::string& v) { file_ = v; }
    const std::string& Folder() const { return folder_; }
    void Folder(const std::string& v);
    const std::string& Port() const { return port_; }
    void Port(const std::string& v) { port_ = v; }
    const std::string& Host() const { return host_; }
    void Host(const std::string& v) { host_ = v; }
    std::string Userinfo() const;
    void Userinfo(const std::string& v);
    const std::string& Extra() const { return extra_; }
    void Extra(const std::string& v) { extra_ = v; }
    const std::string& Fragment() const { return fragment_; }
    void Fragment(const std::string& v) { fragment_ = v; }
    const std::string& Query() const { return query_; }
    void Query(const std::string& v) { query_ = v; }
    std::string Path() const;
    void Path(const std::string& v);
    std::string Authority() const;
    void Authority(const std::string& v);
    std::string SchemeSpecificPart() const;
    void SchemeSpecificPart(const std::string& v);
    const std::string& Scheme() const { return scheme_; }
    void Scheme(const std::string& v) { scheme_ = v; }
    std::string url() const;
    void url(const std::string& v);

  private:
    std::string scheme_, query_, fragment_, extra_, host_, port_, folder_, file_, username_,
        password_;
};

}  // namespace ravlet
