#!/usr/bin/env python3
"""Writes the installed compatibility list: the hand-kept OS, CPU and memory parts of
compBase.json plus GPU good and bad lists of [vendor ID, device ID] pairs taken from a
pci.ids database, so the lists name every PCI id of a graphics model.

Good: NVIDIA GeForce GTX 1060, 1070 and 1080, GTX 1660, every RTX, and the Pascal and
later TITANs; AMD Radeon RX 480, 580 and 590, RX Vega 56 and 64, Radeon VII, and the
RX 5600, 6600 and 7600 tiers and above. Bad: the lower tiers of the same makers
(GeForce GTX and GT models below those, RX models below RX 480). Engineering samples,
professional models and ids that name no model are left out, so they rank unknown.

Usage: make_comp_default.py PCI_IDS BASE_JSON OUTPUT_JSON
"""
import json
import re
import sys

NVIDIA = "10de"
AMD = "1002"


def devices(pci_ids_path, vendors):
    """Yields (vendor, device, name) for the devices of the given vendors."""
    vendor = None
    with open(pci_ids_path, encoding="utf-8", errors="replace") as ids:
        for line in ids:
            if line.startswith("C "):  # the class list follows the vendors
                return
            match = re.match(r"^([0-9a-f]{4})  ", line)
            if match:
                vendor = match.group(1)
                continue
            match = re.match(r"^\t([0-9a-f]{4})  (.*)$", line)
            if match and vendor in vendors:
                yield vendor, match.group(1), match.group(2).strip()


def model_text(name):
    """The marketing names in brackets: "GP104 [GeForce GTX 1080]" gives "GeForce GTX 1080"."""
    match = re.search(r"\[(.*)\]", name)
    return match.group(1) if match else ""


def rank_nvidia(model):
    match = re.match(r"(?i)geforce (gtx|gt|rtx) (\d{3,4})", model)
    if match:
        series, number = match.group(1).upper(), int(match.group(2))
        if series == "RTX":
            return "good"
        return "good" if 1060 <= number <= 1080 or number >= 1660 else "bad"
    if re.match(r"(?i)(titan (x|xp|v|rtx)$|rtx titan)", model):
        return "good"
    if re.match(r"(?i)geforce gtx titan", model):
        return "bad"
    return None


def rank_amd(model):
    if re.search(r"RX Vega (56|64)", model) or model == "Radeon VII":
        return "good"
    if "RX" not in model:
        return None
    numbers = [int(n) for n, suffix in re.findall(r"\b(\d{3,4})([A-Z]{0,2})\b", model) if suffix != "SP"]
    if not numbers:
        return None
    good = [n for n in numbers if 480 <= n < 500 or 580 <= n < 600 or n >= 5600 and n % 1000 >= 600]
    return "good" if good else "bad"


def gpu_lists(pci_ids_path):
    lists = {"good": [], "bad": []}
    for vendor, device, name in devices(pci_ids_path, {NVIDIA, AMD}):
        model = model_text(name)
        if not model or re.search(r"(?i)engineering sample|fake|audio", name):
            continue
        rank = rank_nvidia(model) if vendor == NVIDIA else rank_amd(model)
        if rank:
            lists[rank].append([vendor.upper(), device.upper()])
    return sorted(lists["good"]), sorted(lists["bad"])


def main(pci_ids_path, base_path, output_path):
    with open(base_path, encoding="utf-8") as base_file:
        document = json.load(base_file)
    good, bad = gpu_lists(pci_ids_path)
    document["GPU"] = {"Good list": good, "Bad list": bad}
    with open(output_path, "w", encoding="utf-8") as output:
        json.dump(document, output, indent=1)
        output.write("\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
