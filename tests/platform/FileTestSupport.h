#pragma once
// A private temporary folder for a test, removed with everything in it at the end, and a way to
// point the XDG variables (and HOME) at it so that no test touches the real home folder.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace testsupport {

class TempFolder {
public:
    // The folder's name begins with `prefix` and ends in six random characters, so that tests that
    // run at the same time never share one.
    explicit TempFolder(const std::string& prefix = "kartovan-test-") {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (char* made = ::mkdtemp(pattern.data())) path_ = made;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder without a trailing '/'.
    const std::string& Path() const { return path_; }
    // The folder with a trailing '/', as the program's folder strings have it.
    std::string Folder() const { return path_ + "/"; }
    std::string File(const std::string& name) const { return Folder() + name; }
    // The names in the folder, for checking that nothing else was left behind.
    std::map<std::string, bool> Entries(const std::string& sub = "") const {
        std::map<std::string, bool> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_ + "/" + sub)) {
            names[entry.path().filename().string()] = entry.is_directory();
        }
        return names;
    }

private:
    std::string path_;
};

// Sets an environment variable for the lifetime of the object and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            ::setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace testsupport
