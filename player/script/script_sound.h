// The sounds a script can start, stop and test: the two speech queues and the background set.
#pragma once

#include <string>
#include <string_view>

namespace vek {
class TZvukFronta;
class TBackFronta;
}  // namespace vek

namespace vek::player {

class ScriptSound {
  public:
    virtual ~ScriptSound() = default;
    // An item "name|volbal" for the primary (PLAY) or secondary (PLAYSEC) queue. `says` is the
    // text the statement shows with it ("" when none): what the recording says.
    virtual void QueuePrimary(const std::string& item, std::string_view says) = 0;
    virtual void QueueSecondary(const std::string& item, std::string_view says) = 0;
    virtual void StopPrimaryUpTo(int level) = 0;
    virtual void StopSecondaryUpTo(int level) = 0;
    // A background sound: looping or once, after `delayTicks`, at a volume such as "100x100";
    // `says` as for the queues.
    virtual void BackgroundAddNew(const std::string& name, bool loop, int delayTicks,
                                  std::string_view volumeSuffix, std::string_view says) = 0;
    virtual void BackgroundStop(std::string_view name) = 0;
    virtual void BackgroundStopAll() = 0;
    virtual void BackgroundFadeOut(std::string_view name, std::string_view fade) = 0;
    virtual bool BackgroundPlaying(std::string_view name) const = 0;
    // Whether `name` ended since the finished list was last emptied.
    virtual bool BackgroundFinished(std::string_view name) const = 0;
    virtual void ClearBackgroundFinished() = 0;
    // Drops every background sound (a new intro starts in silence).
    virtual void ClearBackground() = 0;
};

// What a voice makes of a script's sound that says a text: the item to queue in its place, and
// what becomes of a background sound's text.
class SaidTexts {
  public:
    virtual ~SaidTexts() = default;
    virtual std::string Queued(const std::string& item, std::string_view says) = 0;
    virtual void BackgroundAdded(std::string_view name, std::string_view says) = 0;
};

// The player's real queues and background set; `said` none: the items are queued as they are.
class PlayerScriptSound : public ScriptSound {
  public:
    PlayerScriptSound(TZvukFronta& primary, TZvukFronta& secondary, TBackFronta& background,
                      SaidTexts* said = nullptr)
        : primary_(primary), secondary_(secondary), background_(background), said_(said) {}

    void QueuePrimary(const std::string& item, std::string_view says) override;
    void QueueSecondary(const std::string& item, std::string_view says) override;
    void StopPrimaryUpTo(int level) override;
    void StopSecondaryUpTo(int level) override;
    void BackgroundAddNew(const std::string& name, bool loop, int delayTicks,
                          std::string_view volumeSuffix, std::string_view says) override;
    void BackgroundStop(std::string_view name) override;
    void BackgroundStopAll() override;
    void BackgroundFadeOut(std::string_view name, std::string_view fade) override;
    bool BackgroundPlaying(std::string_view name) const override;
    bool BackgroundFinished(std::string_view name) const override;
    void ClearBackgroundFinished() override;
    void ClearBackground() override;

  private:
    TZvukFronta& primary_;
    TZvukFronta& secondary_;
    TBackFronta& background_;
    SaidTexts* said_;
};

}  // namespace vek::player
