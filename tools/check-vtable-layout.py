#!/usr/bin/python3
"""check-vtable-layout.py DLL PROBE_OBJ CLASS...

Compares the virtual tables of the GCC-built DLL with MSVC's layout of the
same classes. PROBE_OBJ is an MSVC-ABI object that emits each CLASS's
vftable (??_7CLASS@@6B@); its entries name the operation of every slot. For
each slot, the DLL's table (the exported _ZTV symbol) must point at the
function that the DLL exports under that MSVC name, and on x86 the function
must pop the bytes that MSVC's thiscall caller pushed: 4 for each parameter
of the MSVC signature. MSVC's deleting destructor in slot 0 matches the
DLL's Scalar_Deleting_Destructor.
"""
import re
import sys

from pe import Image, object_data_relocations, popped_bytes, undecorate


def probe_vftables(obj):
    """{class: [MSVC name of each slot]} from the relocations of each vftable."""
    tables = {}
    for entries in object_data_relocations(obj, ".rdata"):
        owners = {m.group(1) for e in entries for m in [re.search(r"@(\w+)@@", e)] if m}
        if len(owners) == 1 and all(e.startswith("?") for e in entries):
            tables[owners.pop()] = entries
    return tables


def pushed_bytes(signature):
    """What an x86 thiscall caller pushes: 4 bytes per parameter of these
    interfaces, whose parameters are all pointers, references and 32-bit
    integers (anything else is refused, not guessed)."""
    # The parameter list is the last top-level parenthesis group.
    depth, end = 0, signature.rindex(")")
    for start in range(end, -1, -1):
        depth += {")": 1, "(": -1}.get(signature[start], 0)
        if depth == 0:
            break
    params, part, depth = [], "", 0
    for c in signature[start + 1:end]:
        depth += {"(": 1, ")": -1}.get(c, 0)
        if c == "," and depth == 0:
            params.append(part)
            part = ""
        else:
            part += c
    params.append(part)
    if [p.strip() for p in params] in ([""], ["void"]):
        return 0
    for p in params:
        if re.search(r"\b(double|float|__int64)\b", p) or not re.search(
                r"[*&]|\b(int|long|bool|char|short)\b|^\s*enum\b", p):
            raise ValueError(f"parameter of unknown size: {p.strip()} in {signature}")
    return 4 * len(params)


def main(dll, probe, classes):
    image = Image(dll)
    exports = image.exports()
    by_rva = {}
    for name, rva in exports.items():
        by_rva.setdefault(rva, set()).add(name)
    tables = probe_vftables(probe)
    failures = 0
    for cls in classes:
        if cls not in tables:
            sys.exit(f"check-vtable-layout: {probe} has no vftable of {cls}")
        msvc = tables[cls]
        vtable = exports.get(f"_ZTV{len(cls)}{cls}")
        if vtable is None:
            sys.exit(f"check-vtable-layout: {dll} exports no virtual table of {cls}")
        signatures = undecorate(msvc)
        slots = image.vtable_slots(vtable, len(msvc))
        for slot, (name, signature, rva) in enumerate(zip(msvc, signatures, slots)):
            names = by_rva.get(rva, set())
            if name.startswith(("??_G", "??_E")):
                ok = any("Scalar_Deleting_Destructor" in n for n in names)
            else:
                ok = name in names
            verdict = "ok  " if ok else "FAIL"
            detail = ""
            if not image.is64:
                popped, pushed = popped_bytes(dll, rva, image.base), pushed_bytes(signature)
                if popped != pushed:
                    verdict = "FAIL"
                detail = f" pops {popped}, MSVC pushes {pushed}"
            failures += verdict == "FAIL"
            shown = sorted(n for n in names if n.startswith(("?", "_ZN")))[:1] or ["(unexported)"]
            print(f"{verdict} {cls} slot {slot:2}: {signature}{detail}"
                  + ("" if ok else f"; the DLL has {shown[0]}"))
    print(f"{failures} slot(s) differ")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
