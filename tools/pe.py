#!/usr/bin/python3
"""pe.py: the one reader of this project's Windows images and objects.

PE images (the DLLs and programs) are read with pefile: export and import
tables, sections, resources (version, manifest), pointers of virtual tables.
COFF objects (the MSVC-ABI references and probes) are read with LLVM's
llvm-objdump and llvm-nm. The checks and the import-library maker use this
module or its commands:

  exports FILE                  export names, sorted
  imports FILE [DLL]            imported DLLs, or the names imported from DLL
  machine FILE                  i386 or x86_64
  implib-def FILE               module-definition file of FILE's exports
                                (DATA for those outside executable sections)
  check-exports DLL LIST [--msvc-aliases]
  check-imports-exported PROGRAM DLL...
  check-msvc-imports DLL OBJECT...
  check-version FILE VERSION PRODUCT COMPANY
  check-manifest FILE
  check-debuglink FILE
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib

import pefile

RT_MANIFEST = 24


class Image:
    def __init__(self, path):
        self.path = path
        self.pe = pefile.PE(path, fast_load=True)
        self.pe.parse_data_directories(directories=[
            pefile.DIRECTORY_ENTRY[d] for d in (
                "IMAGE_DIRECTORY_ENTRY_EXPORT", "IMAGE_DIRECTORY_ENTRY_IMPORT",
                "IMAGE_DIRECTORY_ENTRY_RESOURCE")])
        self.is64 = self.pe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
        self.base = self.pe.OPTIONAL_HEADER.ImageBase

    @property
    def machine(self):
        return {0x14C: "i386", 0x8664: "x86_64"}.get(self.pe.FILE_HEADER.Machine, "unknown")

    def exports(self):
        """{name: rva} of the named exports."""
        table = getattr(self.pe, "DIRECTORY_ENTRY_EXPORT", None)
        if table is None:
            return {}
        return {s.name.decode(): s.address for s in table.symbols if s.name}

    def imports(self):
        """{dll (lower case): [names imported by name]}."""
        out = {}
        for entry in getattr(self.pe, "DIRECTORY_ENTRY_IMPORT", []):
            names = out.setdefault(entry.dll.decode().lower(), [])
            names += [i.name.decode() for i in entry.imports if i.name]
        return out

    def section_names(self):
        """Section names, long ones ("/N") looked up in the COFF string table."""
        header = self.pe.FILE_HEADER
        strings = header.PointerToSymbolTable + 18 * header.NumberOfSymbols
        data = self.pe.__data__
        names = []
        for s in self.pe.sections:
            name = s.Name.rstrip(b"\0").decode()
            if name.startswith("/") and header.PointerToSymbolTable:
                start = strings + int(name[1:])
                name = bytes(data[start:data.find(b"\0", start)]).decode()
            names.append((name, s))
        return names

    def is_code(self, rva):
        return any(s.contains_rva(rva) and
                   s.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
                   for s in self.pe.sections)

    def pointer(self, rva):
        """The address stored at rva, as an rva."""
        size = 8 if self.is64 else 4
        return int.from_bytes(self.pe.get_data(rva, size), "little") - self.base

    def vtable_slots(self, rva, count):
        """The rvas of the first count functions of the Itanium virtual table
        at rva (after its offset-to-top and type-information words)."""
        size = 8 if self.is64 else 4
        return [self.pointer(rva + (2 + i) * size) for i in range(count)]

    def resources(self, type_id):
        """The data of every resource of type_id."""
        out = []

        def walk(directory, depth):
            for entry in directory.entries:
                if depth == 0 and entry.id != type_id:
                    continue
                if hasattr(entry, "directory"):
                    walk(entry.directory, depth + 1)
                elif hasattr(entry, "data"):
                    out.append(self.pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size))

        if hasattr(self.pe, "DIRECTORY_ENTRY_RESOURCE"):
            walk(self.pe.DIRECTORY_ENTRY_RESOURCE, 0)
        return out

    def version(self):
        """({name: value} of the string table, fixed file version, fixed
        product version, file type), or None without a version resource."""
        if not getattr(self.pe, "VS_FIXEDFILEINFO", None):
            return None
        strings = {}
        for file_info in self.pe.FileInfo[0]:
            for table in getattr(file_info, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        fixed = self.pe.VS_FIXEDFILEINFO[0]

        def parts(ms, ls):
            return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        return (strings, parts(fixed.FileVersionMS, fixed.FileVersionLS),
                parts(fixed.ProductVersionMS, fixed.ProductVersionLS), fixed.FileType)


# COFF objects, through LLVM's tools.

def object_functions(obj):
    """{function: set of symbols its relocations name}, and the machine
    ("i386" or "x86-64"); i386's leading underscore is taken off the names
    of the functions."""
    out = subprocess.run(["llvm-objdump", "-dr", "--no-show-raw-insn", obj],
                         check=True, capture_output=True, text=True).stdout
    machine = "i386" if "coff-i386" in out else "x86-64"
    refs, current = {}, None
    for line in out.splitlines():
        label = re.match(r"^[0-9a-f]+ <(.+)>:$", line)
        if label:
            current = label.group(1)
            if machine == "i386" and current.startswith("_"):
                current = current[1:]
            refs.setdefault(current, set())
            continue
        reloc = re.search(r"IMAGE_REL_\w+\s+(\S+)", line)
        if reloc and current is not None:
            refs[current].add(reloc.group(1))
    return refs, machine


def object_data_relocations(obj, section=".rdata"):
    """The symbols named by each block of relocations of section, in order:
    one list per relocation table llvm-objdump prints for it."""
    out = subprocess.run(["llvm-objdump", "-r", obj], check=True, capture_output=True,
                         text=True).stdout
    return [re.findall(r"^[0-9a-f]+ IMAGE_REL_\w+\s+(\S+)$", block, re.M)
            for block in out.split("RELOCATION RECORDS FOR ")[1:]
            if block.startswith(f"[{section}]")]


def object_imports(objects):
    """The names the objects import through __imp_ symbols."""
    out = subprocess.run(["llvm-nm", "-u", *objects], check=True, capture_output=True,
                         text=True).stdout
    return {m.group(1) for m in re.finditer(r"^\s*U __imp_(\S+)$", out, re.M)}


def popped_bytes(image_path, rva, base):
    """The n of the first 'ret $n' (0 for 'ret') of the x86 function at rva."""
    va = base + rva
    out = subprocess.run(["llvm-objdump", "-d", "--no-show-raw-insn", f"--start-address={va:#x}",
                          f"--stop-address={va + 0x2000:#x}", image_path],
                         check=True, capture_output=True, text=True).stdout
    for line in out.splitlines():
        m = re.search(r"\sret[lq]?\s*(\$(\w+))?\s*$", line)
        if m:
            return int(m.group(2), 0) if m.group(2) else 0
    raise ValueError(f"no ret after {va:#x} in {image_path}")


def demangle(names, tool):
    out = subprocess.run([tool, "-n"], input="\n".join(names) + "\n", check=True,
                         capture_output=True, text=True).stdout
    return out.splitlines()


# Commands.

def report(ok, message):
    print(("ok   " if ok else "FAIL ") + message)
    return 0 if ok else 1


def listed(path):
    """{entry: its comment} of a list file: one entry a line, '#' starts a
    comment, blank lines left out."""
    out = {}
    with open(path) as f:
        for line in f:
            entry, _, comment = line.partition("#")
            if entry.strip():
                out[entry.strip()] = comment.strip()
    return out


def qualified(signature):
    """Class::member of a demangled or undecorated function signature."""
    head = signature.split("(", 1)[0].split()
    return head[-1] if head else signature


def cmd_check_exports(dll, expected_path, *options):
    """The export table names exactly the entries of the list (C++ names as
    c++filt shows them). With --msvc-aliases every C++ function of the list
    is also exported under an MSVC-decorated name, at its address or (a
    constructor that returns this, as MSVC's do) under its qualified name,
    unless its comment says "no MSVC name"; and every MSVC-decorated name is
    such an alias. The hand-written list, not the reference file that makes
    the aliases, says what must be there."""
    image = Image(dll)
    exports = image.exports()
    gnu = sorted(n for n in exports if not n.startswith("?"))
    tool = ("x86_64" if image.is64 else "i686") + "-w64-mingw32-c++filt"
    shown = dict(zip(gnu, demangle(gnu, tool)))
    expected = listed(expected_path)
    missing = sorted(set(expected) - set(shown.values()))
    extra = sorted(set(shown.values()) - set(expected))
    status = report(not missing and not extra,
                    f"{dll} exports exactly the {len(expected)} entries of {expected_path}")
    for name in missing:
        print(f"  missing:    {name}")
    for name in extra:
        print(f"  unexpected: {name}")
    msvc = {n: rva for n, rva in exports.items() if n.startswith("?")}
    if "--msvc-aliases" not in options:
        return status | report(not msvc, f"{dll} exports no MSVC-decorated names")
    # Virtual tables and type information have no MSVC counterpart: an MSVC
    # caller reaches the vtable through the object (checked by msvc_layout).
    # GCC's complete- and base-object structors demangle to one name, of
    # which one needs the alias.
    functions = {}
    for n, rva in exports.items():
        if n.startswith("_Z") and not n.startswith(("_ZTV", "_ZTI", "_ZTS")):
            functions.setdefault(shown[n], set()).add(rva)
    undecorated = dict(zip(msvc, undecorate(list(msvc)))) if msvc else {}
    by_name = {qualified(u): n for n, u in undecorated.items()}

    def alias(function):
        return (next((n for n, rva in msvc.items() if rva in functions[function]), None)
                or by_name.get(qualified(function)))

    exempt = sorted(f for f in functions if expected.get(f, "").startswith("no MSVC name"))
    unaliased = sorted(f for f in functions if f not in exempt and alias(f) is None)
    used = {alias(f) for f in functions}
    stray = sorted(n for n in msvc if n not in used)
    status |= report(not unaliased and not stray,
                     f"{dll}: every C++ function of {expected_path} has its MSVC-decorated alias "
                     f"({len(functions) - len(exempt)}; {len(exempt)} marked \"no MSVC name\")")
    for name in unaliased:
        print(f"  no MSVC alias (a ref_ line missing in ExportReference.cpp?): {name}")
    for name in stray:
        print(f"  MSVC name of no listed entry: {name} ({undecorated[name]})")
    return status


def undecorate(names):
    """MSVC-decorated names as llvm-undname spells them out."""
    out = subprocess.run(["llvm-undname"], input="\n".join(names) + "\n", check=True,
                         capture_output=True, text=True).stdout
    lines = [line for line in out.splitlines() if line and not line.startswith("?")]
    if len(lines) != len(names):
        sys.exit(f"pe.py: llvm-undname gave {len(lines)} names for {len(names)}")
    return lines


def cmd_check_imports_exported(program, *dlls):
    """Every function PROGRAM imports by name from each DLL is in that DLL's
    export table, and it imports at least one from each: the Windows loader
    refuses a program with an import its DLL does not export."""
    imports = Image(program).imports()
    status = 0
    for dll in dlls:
        name = os.path.basename(dll)
        wanted = set(imports.get(name.lower(), []))
        missing = sorted(wanted - set(Image(dll).exports()))
        status |= report(wanted and not missing,
                         f"{os.path.basename(program)}: {len(wanted)} imports from {name}, all exported")
        for m in missing:
            print(f"  not exported: {m}")
    return status


def cmd_check_msvc_imports(dll, *objects):
    """Every entry the MSVC-ABI objects import through __imp_ names is in the
    DLL's export table."""
    imports = object_imports(objects)
    if not imports:
        return report(False, f"no imports in {' '.join(objects)}")
    missing = sorted(imports - set(Image(dll).exports()))
    status = report(not missing, f"{dll} exports all {len(imports)} entries the MSVC-ABI objects import")
    if missing:
        print("\n".join(missing))
        subprocess.run(["llvm-undname"], input="\n".join(missing) + "\n", text=True)
    return status


def cmd_check_version(path, version, product, company):
    """The version resource names the project's version (strings and fixed
    numbers), the product, the maker and the file itself."""
    info = Image(path).version()
    if info is None:
        return report(False, f"{path} has no version resource")
    strings, file_version, product_version, file_type = info
    name = os.path.basename(path)
    numbers = tuple(int(p) for p in (version.split(".") + ["0"] * 4)[:4])
    wanted = {"FileVersion": version, "ProductVersion": version, "ProductName": product,
              "CompanyName": company, "OriginalFilename": name,
              "InternalName": os.path.splitext(name)[0]}
    wrong = [f"{k} is {strings.get(k)!r}, not {v!r}" for k, v in wanted.items() if strings.get(k) != v]
    if not strings.get("FileDescription"):
        wrong.append("no FileDescription")
    if file_version != numbers or product_version != numbers:
        wrong.append(f"fixed versions {file_version} and {product_version}, not {numbers}")
    if file_type != (2 if name.lower().endswith(".dll") else 1):
        wrong.append(f"file type {file_type}")
    status = report(not wrong, f"{name}: " + "; ".join(f"{k}={v}" for k, v in sorted(strings.items())))
    for w in wrong:
        print(f"  {w}")
    return status


def cmd_check_manifest(path):
    """One manifest that runs as invoker, names Windows 7 to 11, is not DPI
    aware, depends on no Common Controls 6 and changes no code page."""
    manifests = Image(path).resources(RT_MANIFEST)
    if len(manifests) != 1:
        return report(False, f"{path} has {len(manifests)} manifests, not 1")
    root = ET.fromstring(manifests[0])
    found = {e.tag.split("}")[-1]: e for e in root.iter()}
    levels = [e.get("level") for e in root.iter() if e.tag.endswith("requestedExecutionLevel")]
    systems = {e.get("Id").lower() for e in root.iter() if e.tag.endswith("supportedOS")}
    wanted = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
    wrong = []
    if levels != ["asInvoker"]:
        wrong.append(f"execution levels {levels}")
    if systems != wanted:
        wrong.append(f"supportedOS {sorted(systems)}")
    if "dpiAware" not in found or found["dpiAware"].text.strip().lower() != "false":
        wrong.append("dpiAware is not false")
    for tag in ("dependentAssembly", "activeCodePage", "longPathAware", "dpiAwareness"):
        if tag in found:
            wrong.append(f"has {tag}")
    status = report(not wrong, f"{os.path.basename(path)}: asInvoker, Windows 7 to 11, "
                               "not DPI aware, no Common Controls 6, ANSI code page")
    for w in wrong:
        print(f"  {w}")
    return status


def cmd_check_debuglink(path):
    """The image carries no debug information or symbols and names, by a
    .gnu_debuglink section with the right CRC, the symbol file beside it,
    which holds the debug information."""
    image = Image(path)
    sections = dict(image.section_names())
    wrong = []
    if any(n.startswith(".debug_") for n in sections) or image.pe.FILE_HEADER.NumberOfSymbols:
        wrong.append("the image keeps debug information or symbols")
    link = sections.get(".gnu_debuglink")
    if link is None:
        return report(False, f"{path} has no .gnu_debuglink")
    data = link.get_data()
    name = data[:data.index(b"\0")].decode()
    crc = int.from_bytes(data[(len(name) + 4) & ~3:][:4], "little")
    symbols = os.path.join(os.path.dirname(path), name)
    if name != os.path.basename(path) + ".debug":
        wrong.append(f"links {name}")
    elif not os.path.exists(symbols):
        wrong.append(f"no {symbols}")
    else:
        with open(symbols, "rb") as f:
            if zlib.crc32(f.read()) != crc:
                wrong.append(f"the CRC of {name} differs from the link's")
        debug = {n for n, _ in Image(symbols).section_names()}
        if not {".debug_info", ".debug_line"} <= debug:
            wrong.append(f"{name} has sections {sorted(debug)}")
    status = report(not wrong, f"{os.path.basename(path)} links its symbols in {name}")
    for w in wrong:
        print(f"  {w}")
    return status


def cmd_implib_def(path):
    """LIBRARY and EXPORTS lines for every named export; DATA for those
    outside the executable sections (vtables, type information, variables),
    whose import library then gives only the __imp_ pointer."""
    image = Image(path)
    exports = image.exports()
    if not exports:
        sys.exit(f"pe.py: {path} exports no names")
    print(f"LIBRARY {os.path.basename(path)}\nEXPORTS")
    for name, rva in sorted(exports.items()):
        if name.startswith("@"):
            sys.exit(f"pe.py: {path} exports {name}, which a .def file cannot name (an ordinal)")
        print(f"  {name}" + ("" if image.is_code(rva) else " DATA"))
    return 0


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    command, path, rest = argv[1], argv[2], argv[3:]
    if command == "exports":
        print("\n".join(sorted(Image(path).exports())))
    elif command == "imports":
        imports = Image(path).imports()
        print("\n".join(sorted(imports.get(rest[0].lower(), []) if rest else imports)))
    elif command == "machine":
        print(Image(path).machine)
    elif command.startswith(("check-", "implib-")):
        return globals()["cmd_" + command.replace("-", "_")](path, *rest)
    else:
        sys.exit(__doc__)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
