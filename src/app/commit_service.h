#pragma once

#include "config/config_file.h"
#include "config/config_state.h"
#include "device/apply_outcome.h"
#include "lang/notice.h"
#include "settings/pointer_settings.h"

// What OK, Apply and Cancel use of the program around them: the mouse, the data files and the window.
class CommitPorts {
public:
    // The device steps of Apply for `record`; nothing is saved here.
    virtual ApplyOutcome sendToMouse(const DeviceConfigRecord& record) = 0;
    // Writes config.bin from `config`.
    virtual ConfigFileResult saveRecord(const ConfigState& config) = 0;
    // Writes the button labels to the window language's section of str.ini.
    virtual void saveButtonLabels() = 0;
    virtual void showNotice(const Notice& notice) = 0;
    // Shows `notice` once the click being handled is done, after everything else the window does.
    virtual void showNoticeLater(const Notice& notice) = 0;
    virtual void hideWindow() = 0;

protected:
    ~CommitPorts() = default;
};

// Said after OK or Apply (or a send on arrival) that the mouse did not confirm: it may not hold the
// settings, which are saved all the same.
Notice applyNotConfirmedNotice();

// OK, Apply and Cancel of the main window.
class CommitService {
public:
    CommitService(ConfigState& config, PointerSettings& pointer, CommitPorts& ports);

    // OK and Apply, only dispatched while the mouse is connected: the record goes to the mouse, then
    // config.bin and the labels are saved whatever the mouse took, so nothing the user set is lost;
    // the record becomes what Cancel returns to; Windows takes the pointer settings (each refusal
    // shown); OK then hides the window. A mouse that did not confirm is said once the click is done.
    void ok(bool deviceConnected);
    void apply(bool deviceConnected);
    // Cancel: every edit since the last OK or Apply is discarded and the window hides.
    void cancel();
    // A profile chosen in the tray or put in force by the program in front: the record already
    // holds the profile and str.ini its labels. As Apply, but the mouse only gets the record when
    // it holds another one (`send`) and is there, the window stays as it is and the labels, which
    // the profile wrote, are not written again.
    void putProfileInForce(bool deviceConnected, bool send);
    // The record holds edits that OK or Apply have not yet made the settings.
    bool editsPending() const;

    // OK or Apply saved the settings in this run.
    bool savedInRun() const { return savedInRun_; }

private:
    void send(bool deviceConnected, bool hide);
    // Saves config.bin (and the labels when `labels`), makes the record what Cancel returns to and
    // hands Windows the pointer settings, each refusal shown.
    void save(bool deviceConnected, bool labels);

    ConfigState& config_;
    PointerSettings& pointer_;
    CommitPorts& ports_;
    bool savedInRun_ = false;
};
