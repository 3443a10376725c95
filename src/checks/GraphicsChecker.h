#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>

// The one object that asks the graphics drivers: whether an NVIDIA driver or an AMD
// adapter is there, whether the installed driver meets the minimum version of the
// updater's "gpu_driver_ver.ini" (read on every query, so a file that arrives later
// counts), whether the headset's display is attached, and switching it to direct mode.
// Created at start-up and used from the user-interface thread, except isDisplayConnected,
// which the headset detection also asks from its worker thread.
class GraphicsChecker : public QObject {
    Q_OBJECT

public:
    using AmdVersion = std::array<quint16, 4>; // product, version, sub-version, build

    // The headset's EDID manufacturer code ("ZEP"), which names its displays to the
    // driver's direct-mode calls.
    static constexpr quint16 HeadsetVendorCode = 0x68B0;
    static constexpr quint32 DefaultNvidiaVersion = 43160;
    static constexpr AmdVersion DefaultAmdVersion { 25, 20, 15031, 5004 };
    // The oldest kernel whose amdgpu driver is good enough (see IsSupportVersionAMD).
    static constexpr AmdVersion MinimumAmdgpuKernel { 4, 15, 0, 0 };

    explicit GraphicsChecker(QObject *parent = nullptr);

    // An INI version text in AMD's four parts; missing or unreadable parts count as 0.
    static AmdVersion amdVersionFromText(const QString &text);

    // Initialises again unless a vendor was already found.
    void Init();
    bool isDriverSupported();
    bool isNvidia() const { return m_nvAvailable; }
    bool isAmd() const { return m_amdFound; }
    bool isDisplayConnected();
    // Looks for the headset among the monitors, then asks the driver.
    bool IsHdmiConnect();
    bool enableDirectMode();
    // The headset display IsHdmiConnect found: 0, 1 or 2; 3 for none.
    int connectingModel() const { return m_connectingModel; }

signals:
    void setDriverVersion(QString version, QString vender);

private:
    void InitSupportedList();
    void InitAMD();
    void InitNVidia();
    bool IsSupportVersionNVidia();
    bool IsSupportVersionAMD();
    bool IsDisplayConnectedNVidia();
    bool IsDisplayConnectedAMD();
    int headsetModelOf(const QString &monitorId) const;

    // Read by the headset detection's thread too (isDisplayConnected), while Init() may
    // set them here.
    std::atomic<bool> m_nvAvailable { false };
    std::atomic<bool> m_amdFound { false };
    bool m_amdInKernel = false; // driven by amdgpu, whose version is its kernel's release
    quint32 m_nvDriverVersion = 0;
    AmdVersion m_amdDriverVersion {};
    QStringList m_supportedList; // monitor id texts of the headset models 0, 1, 2
    int m_connectingModel = 3;
};
