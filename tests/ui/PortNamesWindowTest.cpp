// The port selector shows the ports as the system names them: a USB adapter whose
// product string holds letters beyond ASCII is listed as written, in every language.
#include "Configurator.h"
#include "FakePortTree.h"
#include "MemoryComm.h"

#include "serial/PortSystem.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

// The ports of a made-up /dev and /sys, found as on a real system.
class TreePorts : public TPortSystem {
public:
    explicit TreePorts(TPortRoots roots) : roots_(std::move(roots)) {}

    bool Enumerate(std::vector<std::string>& friendlyNames) override {
        std::vector<TPortEntry> ports;
        if (!EnumerateSerialPorts(roots_, ports))
            return false;
        friendlyNames.clear();
        for (const TPortEntry& port : ports)
            friendlyNames.push_back(port.FriendlyName);
        return true;
    }
    bool CanOpen(const std::string&, std::string&) override { return true; }
    std::string DevicePath(const std::string& deviceName) override {
        return ResolveDevicePath(roots_, deviceName);
    }
    void Watch(std::function<void()>) override {}

private:
    TPortRoots roots_;
};

TEST(PortNamesWindow, UsbProductStringShowsAsWrittenInEveryLanguage) {
    FakePortTree tree;
    tree.PlugUsb("ttyUSB0", "1-2", "", "Bécasse");
    Configurator configurator(std::make_unique<TreePorts>(tree.Roots()),
                              std::make_unique<TMemoryComm>(), TAppFolders{});
    auto* ports = configurator.Window().findChild<QComboBox*>(QStringLiteral("cbxDeviceComEnum"));
    ASSERT_NE(ports, nullptr);
    TMainController& app = configurator.Controller();
    for (int language : {0, 1, 2}) { // English, Traditional and Simplified Chinese
        SCOPED_TRACE(language);
        app.Languages().LanguageChosen(language);
        app.Connection().EnumeratePorts();
        app.Connection().FillPortSelector();
        ASSERT_EQ(ports->count(), 1);
        EXPECT_EQ(ports->itemText(0), QString::fromUtf8("Bécasse (COM10)"));
        // The text read back finds the entry again, as --port does.
        ports->setCurrentIndex(-1);
        EXPECT_TRUE(app.Connection().SelectPortEntry("Bécasse"));
        EXPECT_EQ(ports->currentIndex(), 0);
    }
}

} // namespace
