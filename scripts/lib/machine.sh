# Sourced by scripts/demo and scripts/screenshots: lays out a sandbox machine that plays
# a supported PC without Steam or an earlier installation.
# make_machine FOLDER: the program folder as it would lie under Program Files (from
# build/stage), with the stand-in updater, .NET Framework installer and tools, and the
# demo's machine profile and scenario. Sets $program to the program folder.
make_machine() {
    local machine=$1 stage="$PWD/build/stage"
    program="$machine/opt/NovaTundraSetup"
    mkdir -p "$program/Updater/Tool" "$program/dotNetFx" "$program/OOBETool"
    cp -a "$stage/." "$program"
    cp "$stage/tools/nova-peer" "$program/Updater/Updater.exe"
    cp "$stage/tools/nova-peer" "$program/Updater/Tool/SendSignal.exe"
    cp "$stage/tools/nova-peer" "$program/dotNetFx/NDP46-KB3045560-Web.exe"
    # Steam's set-up and the tools that close, read and ask Steam and SteamVR.
    for tool in GetReg.exe CheckIfRegOpenvrDriver.exe ExitSteam.exe SteamNovaSetup.exe SteamVRInit.exe; do
        cp "$stage/tools/nova-peer" "$program/OOBETool/$tool"
    done
    cp scripts/demo-machine.json "$machine/machine.json"
    cp scripts/demo-scenario.json "$machine/scenario.json"
}
