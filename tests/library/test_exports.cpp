// The built shared library exports exactly its 37 functions, by their plain
// names, and needs nothing beyond the C and C++ runtimes.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

const std::set<std::string> kExports = {"OpenCommPort",
                                        "SetCommPortParam",
                                        "SetCommPortParamAnyBPS",
                                        "ReadBPS",
                                        "CloseCommPort",
                                        "SetLineSt",
                                        "ReadModemStatus",
                                        "SendData",
                                        "SendDataByte",
                                        "SendDataByteNonFlow",
                                        "SendDataByteNS",
                                        "RcvData",
                                        "SetBreak",
                                        "ClearBreak",
                                        "SetClearCount",
                                        "LogStart",
                                        "LogCont",
                                        "LogStop",
                                        "OpenDisp",
                                        "SetParaDisp",
                                        "SetControlCodeDisp",
                                        "ReadDisp",
                                        "ReadDLEend",
                                        "ReadDispAll",
                                        "ReadDispHex",
                                        "ResetStatus",
                                        "ReadCount",
                                        "ReadCodeCounter",
                                        "ClearCodeCounter",
                                        "ReadSendSu",
                                        "ClearSendSu",
                                        "ReadDispGraph",
                                        "BitOnCountClear",
                                        "ReadErrorStatus",
                                        "ResetErrorStatus",
                                        "ReadDispHexLen",
                                        "AppMoveMemory"};

bool isSanitizerName(const std::string& name) {
    for (const char* prefix : {"__asan", "__ubsan", "__lsan", "__sanitizer", "___asan"})
        if (name.rfind(prefix, 0) == 0) return true;
    return false;
}

// The dynamic section of a 64-bit ELF file: defined symbols and needed libraries.
struct DynamicTable {
    std::set<std::string> defined;
    std::vector<std::string> needed;
};

DynamicTable readDynamicTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<char> file(static_cast<size_t>(std::max<std::streamoff>(0, in.tellg())));
    in.seekg(0);
    in.read(file.data(), static_cast<std::streamsize>(file.size()));
    DynamicTable table;
    if (file.size() < sizeof(Elf64_Ehdr)) return table;
    const auto* eh = reinterpret_cast<const Elf64_Ehdr*>(file.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + eh->e_shoff);
    for (int i = 0; i < eh->e_shnum; ++i) {
        const Elf64_Shdr& sh = sections[i];
        const char* strings = file.data() + sections[sh.sh_link].sh_offset;
        if (sh.sh_type == SHT_DYNSYM) {
            const auto* syms = reinterpret_cast<const Elf64_Sym*>(file.data() + sh.sh_offset);
            for (size_t k = 0; k < sh.sh_size / sizeof(Elf64_Sym); ++k)
                if (syms[k].st_shndx != SHN_UNDEF && ELF64_ST_BIND(syms[k].st_info) != STB_LOCAL &&
                    syms[k].st_name != 0)
                    table.defined.insert(strings + syms[k].st_name);
        } else if (sh.sh_type == SHT_DYNAMIC) {
            const auto* dyn = reinterpret_cast<const Elf64_Dyn*>(file.data() + sh.sh_offset);
            for (size_t k = 0; k < sh.sh_size / sizeof(Elf64_Dyn); ++k)
                if (dyn[k].d_tag == DT_NEEDED) table.needed.push_back(strings + dyn[k].d_un.d_val);
        }
    }
    return table;
}

} // namespace

TEST(Exports, EveryExportIsFoundByItsPlainName) {
    void* lib = ::dlopen(TOVALINE_SO_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << ::dlerror();
    for (const std::string& name : kExports)
        EXPECT_NE(::dlsym(lib, name.c_str()), nullptr) << name;
    ::dlclose(lib);
}

TEST(Exports, TheDynamicSymbolTableHoldsTheExportsAndNothingElse) {
    const DynamicTable table = readDynamicTable(TOVALINE_SO_PATH);
    std::set<std::string> own;
    std::ranges::copy_if(table.defined, std::inserter(own, own.end()),
                         [](const std::string& n) { return !isSanitizerName(n); });
    EXPECT_EQ(own, kExports);
}

TEST(Exports, OnlyTheCAndCppRuntimesAreNeeded) {
    const std::set<std::string> runtimes = {"libc.so.6", "libm.so.6", "libstdc++.so.6",
                                            "libgcc_s.so.1", "ld-linux-x86-64.so.2"};
    const DynamicTable table = readDynamicTable(TOVALINE_SO_PATH);
    ASSERT_FALSE(table.needed.empty());
    for (const std::string& lib : table.needed)
        EXPECT_TRUE(runtimes.contains(lib) || lib.starts_with("libasan.") ||
                    lib.starts_with("libubsan."))
            << lib;
}
