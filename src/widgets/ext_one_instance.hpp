#pragma once
// Only one copy of the program runs at a time. Whether another copy runs is found once per process,
// before the first window exists (a mutex named after the executable's file name); the component
// reacts once its window's layout is loaded: it brings the running copy forward and asks this copy
// to quit.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tips::widgets {

// The name the running copies share: the executable's file name, extension included, in upper case.
// Directories play no part. Windows-1252 letters are raised too.
std::string OneInstanceMutexName(std::string_view executablePath);

// The information box of oiDefaultMessage: the title in double quotes, then "was already started...".
std::string AlreadyStartedText(std::string_view applicationTitle);

enum class TExtOneInstanceMode { oiActivateOnly, oiDefaultMessage, oiCustom };

class EExtOneInstError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the component needs from the process it runs in.
class TExtOneInstanceHost {
public:
    virtual ~TExtOneInstanceHost() = default;
    // Set when the mutex already existed at process start.
    virtual bool PreviousInstance() const = 0;
    virtual std::string ApplicationTitle() const = 0;
    // A modal information box with one OK button.
    virtual void ShowInformation(const std::string& text) = 0;
    // Brings the running copy's application window forward (nothing without a previous instance).
    virtual void ActivatePrevious() = 0;
    // Asks this copy's message loop to end with exit code 0.
    virtual void Terminate() = 0;
};

class TExtOneInstance {
public:
    static constexpr const char* kClassName = "TExtOneInstance";

    // Throws EExtOneInstError when another TExtOneInstance already lives in this process.
    explicit TExtOneInstance(TExtOneInstanceHost& host);
    ~TExtOneInstance();
    TExtOneInstance(const TExtOneInstance&) = delete;
    TExtOneInstance& operator=(const TExtOneInstance&) = delete;

    bool Enabled = true;
    TExtOneInstanceMode Mode = TExtOneInstanceMode::oiActivateOnly;
    std::function<void(TExtOneInstance& sender)> OnCustom;

    // Runs once the owning window's layout is read: with a running copy, reacts by Mode and then
    // asks this copy to quit.
    void LayoutLoaded();

    // Set once LayoutLoaded has handed over to a running copy: this copy is quitting and must leave
    // everything the running copy owns (its files above all) alone.
    bool HandedOver() const { return handedOver_; }

    // How many components live in this process.
    static int InstanceCount() { return count_; }

private:
    TExtOneInstanceHost& host_;
    bool handedOver_ = false;
    static std::uint8_t count_;
};

}  // namespace tips::widgets
