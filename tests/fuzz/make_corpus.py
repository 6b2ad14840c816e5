#!/usr/bin/env python3
"""Writes the small seed inputs under corpus/<target>/ (run once; the files are
kept in the repository, libFuzzer adds its own finds to a copy), and under
long/<target>/ inputs longer than the fuzzer's max_len, which only the test
run replays (as seeds they would make libFuzzer start at full length)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def seed(target, name, data, folder='corpus'):
    d = os.path.join(HERE, folder, target)
    os.makedirs(d, exist_ok=True)
    if isinstance(data, str):
        data = data.encode('utf-8')
    with open(os.path.join(d, name), 'wb') as f:
        f.write(data)


def h(text):
    return bytes.fromhex(text.replace(' ', ''))


# First byte: which status was asked for.
seed('status_reply', 'printer_online', b'\x00\x16')
seed('status_reply', 'offline_cover_open', b'\x01\x36')
seed('status_reply', 'error_cutter', b'\x02\x4a')
seed('status_reply', 'paper_near_end', b'\x03\x7e')
seed('status_reply', 'unknown_name', b'\x05\x12\x34')
seed('status_reply', 'empty', b'\x00')

# Settings frames: write, read, bad sum, cut short, and a status request after.
def frame(code, direction, data):
    b = bytes([0x10, code, direction, 0]) + struct.pack('<H', len(data)) + data
    return b + bytes([sum(b) & 0xFF])

seed('settings_frame', 'write_bt_name', frame(0xA7, 1, b'AB'))
seed('settings_frame', 'read_bt_name', frame(0xA7, 0, b''))
seed('settings_frame', 'write_density', frame(0xA5, 1, b'\x03') + frame(0xA5, 0, b''))
seed('settings_frame', 'bad_sum', frame(0xA3, 1, b'\x01')[:-1] + b'\x00')
seed('settings_frame', 'cut_short', frame(0xA8, 1, b'1234')[:7])
seed('settings_frame', 'frame_then_status', frame(0xA2, 1, b'\x01') + h('10 04 01'))
# Longer than the fuzzer's inputs (fuzz_settings_frame.options).
seed('settings_frame', 'long_name', frame(0xA7, 1, b'N' * 3000) + frame(0xA7, 0, b''), 'long')

seed('web_page', 'l7n_color', '<html><script>nativeColorPicker()</script></html>')
seed('web_page', 'l7d_table', '<html><table id="Table1"></table></html>')
seed('web_page', 'l7s_upload', '<form class="upload-form">Ethernet Web Page Configuration</form>')
seed('web_page', 'l7w_gbk', b'upload-form ' + '以太网网页配置'.encode('gbk') + b" size='16'")
seed('web_page', 'forged_line', 'ok\r\n[2026-01-01 00:00:00] [ERROR] forged\n')

def netbios(txid, names):
    header = struct.pack('>HHHHHH', txid, 0x8400, 0, 1, 0, 0)
    qname = b'\x20' + b'CKAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA' + b'\x00'
    data = bytes([len(names)])
    for text, suffix in names:
        data += text.ljust(15).encode('latin-1') + bytes([suffix]) + b'\x04\x00'
    data += b'\x00' * 6
    return header + qname + struct.pack('>HHIH', 0x21, 1, 0, len(data)) + data

seed('netbios', 'workstation', netbios(0x1234, [('QM-PRINTER', 0x00)]))
seed('netbios', 'group_then_name', netbios(0x0102, [('WORKGROUP', 0x1D), ('KVZ-L7N', 0x00)]))
seed('netbios', 'pointer_name', netbios(0x0001, [('P', 0x00)])[:12] + b'\xc0\x0c' + netbios(0x0001, [('P', 0x00)])[46:])
seed('netbios', 'short', netbios(0x4242, [('X', 0x00)])[:30])

seed('neighbour_table', 'two_entries',
     'IP address       HW type     Flags       HW address            Mask     Device\n'
     '192.168.1.23     0x1         0x2         00:11:22:33:44:55     *        eth0\n'
     '192.168.1.1      0x1         0x2         aa:bb:cc:dd:ee:ff     *        eth0\n')
seed('neighbour_table', 'incomplete',
     'IP address       HW type     Flags       HW address            Mask     Device\n'
     '192.168.1.23     0x1         0x0         00:00:00:00:00:00     *        eth0\n')
seed('neighbour_table', 'asked_address', '10.0.0.5\n10.0.0.5 0x1 0x2 01:02:03:04:05:06 * br0\n')
# A whole /24 and more, the address asked for last (longer than the fuzzer's inputs).
seed('neighbour_table', 'large_table',
     'IP address       HW type     Flags       HW address            Mask     Device\n'
     + ''.join('10.0.%d.%d         0x1         0x2         02:00:00:00:%02x:%02x     *        eth0\n'
               % (i // 256, i % 256, i // 256, i % 256) for i in range(1, 300))
     + '192.168.1.23     0x1         0x2         00:11:22:33:44:55     *        eth0\n', 'long')

seed('ieee1284', 'full', 'MFG:Quillmark;CMD:ESC/POS;MDL:QM-80;CLS:PRINTER;DES:Receipt printer;')
seed('ieee1284', 'long_keys', 'MANUFACTURER:KVZ;COMMAND SET:ESC;MODEL: KVZ-L7N ;')
seed('ieee1284', 'no_colons', 'MFG;MDL;;;:')

seed('hex_text', 'pairs', '1B 40 1D 56 01')
seed('hex_text', 'wide_pieces', '1B40 FFFF 0A  zz 7')
seed('hex_text', 'lower_and_tabs', '1b\t40\n0a')

seed('code_page', 'gbk_text', b'\x00' + '你好'.encode('gbk'))
seed('code_page', 'cp437_box', b'\x01' + bytes(range(0x80, 0x100)))
seed('code_page', 'utf8_mixed', b'\x08' + 'Grüße 你好 €'.encode('utf-8'))
seed('code_page', 'unknown_page', b'\x0b' + b'abc')

# Pictures: 4 bytes of limits, then the file.
PBM = b'P4\n16 8\n' + b'\xff\x00' * 8
seed('picture', 'pbm_small', struct.pack('>hh', 186, 186) + PBM)
seed('picture', 'pbm_huge_limits', struct.pack('>hh', 32767, 32767) + PBM)
seed('picture', 'pbm_negative_limits', struct.pack('>hh', -3, -32768) + PBM)
seed('picture', 'ppm_claims_huge', struct.pack('>hh', 186, 186) + b'P6\n65535 65535\n255\n\x00\x00\x00')
seed('picture', 'not_a_picture', struct.pack('>hh', 186, 186) + b'GIF89a')

seed('config_file', 'default_like',
     '[PrintTest]\nBitMapPath=configFile/img/bitmap.png\nBarCodeType=UPCA\nBarCodeValue=123456789012\n'
     'TestPageText=1B 40\nLogoMaxWidth=560\nLogoMaxHeight=560\n\n[Network]\nTcpNetworkSegment=192.168.1.\n'
     'TcpNetworkMode=1\n[Language]\nCurrent=en_US\n[CodePage]\nCodePageSelect=3\n')
seed('config_file', 'damaged_values', '[PrintTest]\nLogoMaxWidth=abc\nLogoMaxHeight=99999999999\n[Network]\nTcpNetworkMode=7\n')
seed('config_file', 'cut_section', '[PrintTest]\nBarCodeType=QR\n[Netw')
seed('config_file', 'zero_blocks', b'\x00' * 64)
seed('config_file', 'empty', b'')

# First byte: how many of the next bytes give piece sizes.
seed('vprinter_decoder', 'speed_and_density', b'\x01\x00' + h('1B 4E 04 02 0A 1F 1C 1F 41 04 06 07 05 0A'))
seed('vprinter_decoder', 'speed_at_end', b'\x02\x02\x00' + h('1B 40 1B 4E 04 03'))
seed('vprinter_decoder', 'gbk_text', b'\x01\x00' + h('C4 E3 BA C3 1B 45 01 C4 E3 0A'))
seed('vprinter_decoder', 'raster', b'\x03\x04\x01\x02' + h('1D 76 30 00 01 00 02 00 FF 81 0A'))
# 80 bytes by 128 rows: longer than the fuzzer's inputs.
seed('vprinter_decoder', 'raster_large', b'\x02\x3f\x07' + h('1D 76 30 00 50 00 80 00') + bytes(range(256)) * 40 + h('0A'), 'long')
seed('vprinter_decoder', 'barcode', b'\x01\x05' + h('1D 6B 04 31 32 33 00 0A'))
seed('vprinter_decoder', 'settings', b'\x01\x03' + frame(0xA7, 1, b'AB') + h('10 04 01'))
seed('vprinter_decoder', 'pdf417', b'\x02\x07\x03' + h('1D 28 6B 03 00 30 43 03 1D 28 6B 04 00 30 45 30 32 '
                                                       '1D 28 6B 06 00 30 50 30 41 42 43 1D 28 6B 03 00 30 51 30 '
                                                       '1D 28 6B 02 00 30 50'))
