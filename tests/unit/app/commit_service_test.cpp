#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/commit_service.h"
#include "device/apply_configuration.h"
#include "device/apply_harness.h"
#include "settings/recording_pointer_system.h"

namespace {

bool sameBytes(const DeviceConfigRecord& a, const DeviceConfigRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The emulated mouse, the data files and the window of a commit, all writing into the harness's wire
// trace, so a test sees every report and every step in the order they happened. A snapshot or a
// revert of the configuration shows as "snapshot" or "revert" before the step that follows it.
class TracedCommit : public CommitPorts, public PointerSystem {
public:
    TracedCommit() { config.record = sampleRecord(); }

    ApplyOutcome sendToMouse(const DeviceConfigRecord& record) override {
        note("send");
        return applyConfiguration(harness.transport, record, 1, harness.image);
    }
    ConfigFileResult saveRecord(const ConfigState&) override {
        note("save-record");
        return saveResult;
    }
    void saveButtonLabels() override { note("save-labels"); }
    void showNotice(const Notice& notice) override { note("notice " + shown(notice)); }
    void showNoticeLater(const Notice& notice) override { note("later-notice " + shown(notice)); }
    void hideWindow() override { note("hide"); }

    // Only the settings Windows takes are of interest here, once for the four of them.
    std::optional<MouseAcceleration> mouseAcceleration() override { return system.mouseAcceleration(); }
    bool setMouseAcceleration(const MouseAcceleration& v) override {
        return set(system.setMouseAcceleration(v));
    }
    std::optional<uint32_t> mouseSpeed() override { return system.mouseSpeed(); }
    bool setMouseSpeed(uint32_t v) override { return set(system.setMouseSpeed(v)); }
    std::optional<uint32_t> wheelScrollLines() override { return system.wheelScrollLines(); }
    bool setWheelScrollLines(uint32_t v) override { return set(system.setWheelScrollLines(v)); }
    std::optional<uint32_t> doubleClickTime() override { return system.doubleClickTime(); }
    bool setDoubleClickTime(uint32_t v) override { return set(system.setDoubleClickTime(v)); }

    // The steps without the reports and pauses of the device exchange.
    std::vector<std::string> steps() const {
        std::vector<std::string> steps;
        for (const std::string& line : harness.trace) {
            const bool device = line.rfind("set-feature", 0) == 0 || line.rfind("get-feature", 0) == 0 ||
                                line.rfind("write", 0) == 0 || line.rfind("read", 0) == 0 ||
                                line.rfind("sleep", 0) == 0;
            if (!device) {
                steps.push_back(line);
            }
        }
        return steps;
    }

    ApplyHarness harness;
    ConfigState config;
    ConfigFileResult saveResult{ConfigFileStatus::Saved};
    RecordingPointerSystem system;
    UiTexts texts;
    PointerSettings pointer{config.record, *this, texts};
    CommitService commit{config, pointer, *this};

    // The notice's text in English, as ASCII.
    static std::string shown(const Notice& notice) {
        std::string ascii;
        for (const wchar_t c : noticeText(notice, UiTexts())) {
            ascii.push_back(static_cast<char>(c));
        }
        return ascii;
    }

private:
    bool set(bool taken) {
        note("pointer");
        return taken;
    }
    void note(const std::string& step) {
        if (!sameBytes(config.appliedRecord, applied_)) {
            harness.trace.push_back("snapshot");
        } else if (!sameBytes(config.record, edited_)) {
            harness.trace.push_back("revert");
        }
        applied_ = config.appliedRecord;
        edited_ = config.record;
        if (harness.trace.empty() || harness.trace.back() != step) {
            harness.trace.push_back(step);
        }
    }

    DeviceConfigRecord applied_{};
    DeviceConfigRecord edited_ = sampleRecord();
};

using Steps = std::vector<std::string>;

TEST(CommitService, OkApplyAndCancelRunTheirStepsInOrder) {
    const struct {
        const char* name;
        void (*run)(CommitService&);
        Steps steps;
    } cases[] = {
        {"ok",
         [](CommitService& c) { c.ok(true); },
         {"send", "save-record", "save-labels", "snapshot", "pointer", "hide"}},
        {"apply",
         [](CommitService& c) { c.apply(true); },
         {"send", "save-record", "save-labels", "snapshot", "pointer"}},
        {"cancel", [](CommitService& c) { c.cancel(); }, {"revert", "hide"}},
        {"profile the mouse lacks",
         [](CommitService& c) { c.putProfileInForce(true, true); },
         {"send", "save-record", "snapshot", "pointer"}},
        {"profile the mouse holds",
         [](CommitService& c) { c.putProfileInForce(true, false); },
         {"save-record", "snapshot", "pointer"}},
        {"profile without the mouse",
         [](CommitService& c) { c.putProfileInForce(false, true); },
         {"save-record"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TracedCommit traced;
        c.run(traced.commit);
        EXPECT_EQ(traced.steps(), c.steps);
    }
}

TEST(CommitService, SavingFollowsTheLastReportAndRunsWhateverTheMouseDid) {
    TracedCommit traced;
    EmulatorFaults faults;
    faults.unplugAfterReports = 30;
    traced.harness.mouse.setFaults(faults);
    traced.commit.apply(true);
    const auto saved = std::find(traced.harness.trace.begin(), traced.harness.trace.end(), "save-record");
    ASSERT_NE(saved, traced.harness.trace.end());
    EXPECT_NE(std::find_if(traced.harness.trace.begin(), saved,
                           [](const std::string& line) { return line.find("failed") != std::string::npos; }),
              saved);
    EXPECT_EQ(std::vector<std::string>(saved, traced.harness.trace.end()),
              (Steps{"save-record", "save-labels", "snapshot", "pointer",
                     "later-notice " + TracedCommit::shown(applyNotConfirmedNotice())}));
    EXPECT_TRUE(traced.commit.savedInRun());
}

TEST(CommitService, NoticesComeInTheOrderOfTheirSteps) {
    TracedCommit traced;
    EmulatorFaults faults;
    faults.silentInput = true;
    traced.harness.mouse.setFaults(faults);
    traced.saveResult = {ConfigFileStatus::WriteFailed, 5};
    traced.system.failing = {"setMouseSpeed"};
    traced.commit.ok(true);
    const Steps steps = traced.steps();
    EXPECT_EQ(steps, (Steps{"send", "save-record", "notice Error Code is: 5 \n", "save-labels", "snapshot",
                            "pointer", "notice SETMOUSESPEED failed.", "hide",
                            "later-notice " + TracedCommit::shown(applyNotConfirmedNotice())}));
}

TEST(CommitService, AProfileTheMouseDidNotConfirmIsSavedAndSaidOnceTheChoiceIsDone) {
    TracedCommit traced;
    EmulatorFaults faults;
    faults.silentInput = true;
    traced.harness.mouse.setFaults(faults);
    traced.commit.putProfileInForce(true, true);
    EXPECT_EQ(traced.steps(), (Steps{"send", "save-record", "snapshot", "pointer",
                                     "later-notice " + TracedCommit::shown(applyNotConfirmedNotice())}));
    EXPECT_TRUE(traced.commit.savedInRun());
}

TEST(CommitService, EditsArePendingFromTheFirstChangeUntilApplyOrCancel) {
    TracedCommit traced;
    traced.config.takeSnapshot();
    EXPECT_FALSE(traced.commit.editsPending());
    traced.config.record.reportIntervalCode ^= 1;
    EXPECT_TRUE(traced.commit.editsPending());
    traced.commit.cancel();
    EXPECT_FALSE(traced.commit.editsPending());
    traced.config.record.reportIntervalCode ^= 1;
    traced.commit.apply(false);
    EXPECT_FALSE(traced.commit.editsPending());
}

} // namespace
