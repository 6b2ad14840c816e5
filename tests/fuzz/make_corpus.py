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


# Inventories (quillmark inventory --file): a good one, a cut-short file, a bad
# time and one MAC twice.
seed('inventory_file', 'bad_time', '{"version":1,"printers":[{"mac":"00:11:22:33:44:55","address":"10.1.0.20","firstSeen":"x","lastSeen":"2024-05-02T08:00:00Z"}]}')
seed('inventory_file', 'cut_short', '{"version":1,"printers":[{"mac":"00:11')
seed('inventory_file', 'duplicate_mac', '{"version":1,"printers":[{"mac":"00:11:22:33:44:55","address":"10.1.0.20","firstSeen":"2024-05-01T08:00:00Z","lastSeen":"2024-05-01T08:00:00Z"},{"mac":"00:11:22:33:44:55","address":"10.1.0.21","firstSeen":"2024-05-01T08:00:00Z","lastSeen":"2024-05-01T08:00:00Z"}]}')
seed('inventory_file', 'good', '{"version":1,"printers":[{"mac":"00:11:22:33:44:55","address":"10.1.0.20","model":"KVZ-L7N","netbios":"KVZ-L7N","firstSeen":"2024-05-01T08:00:00Z","lastSeen":"2024-05-02T08:00:00Z","present":true},{"mac":"00:11:22:33:44:66","address":"10.1.0.30","model":"KVZ-L7D","netbios":"","firstSeen":"2024-05-01T08:00:00Z","lastSeen":"2024-05-01T08:00:00Z","present":false}]}\n')

# Targets files of the exporter: good lines, labels, quotes, comments and the
# faults each reported by line.
seed('target_file', 'good', 'tcp:10.1.2.3 site=shop-17 till=2\nusb:/dev/usb/lp0\nserial:/dev/ttyUSB0:9600\nqueue:Kitchen\n')
seed('target_file', 'quoted_and_comments', '# shop 17\r\n  tcp:10.1.2.4 site="shop 17" note="a \\"b\\" #c" # comment\r\n\n')
seed('target_file', 'bad_lines', 'bogus:1\ntcp:300.1.1.1\nusb:lp0\nserial:/dev/ttyS0:1234\ntcp:10.0.0.1 job=x\ntcp:10.0.0.2 a=1 a=2\ntcp:10.0.0.3 site="open\n')
seed('target_file', 'duplicates', 'tcp:10.0.0.1\ntcp:10.0.0.1 site=b\nserial:/dev/ttyS0\nserial:/dev/ttyS0:115200\n')
seed('target_file', 'not_utf8', b'tcp:10.0.0.1 site=\xff\xfe\n\x00tcp:10.0.0.2\n')

# First byte: which status was asked for.
seed('status_reply', 'printer_online', b'\x00\x16')
seed('status_reply', 'offline_cover_open', b'\x01\x36')
seed('status_reply', 'error_cutter', b'\x02\x4a')
seed('status_reply', 'paper_near_end', b'\x03\x7e')
seed('status_reply', 'unknown_name', b'\x05\x12\x34')
seed('status_reply', 'empty', b'\x00')
# Pieces for the reply reader: a stray byte dropped, then a request and its answer after garbage.
seed('status_reply', 'reader_stray_then_answer', b'\x00\x21\x12\x82\xff\x16\x81\x12')
seed('status_reply', 'reader_garbage', b'\x01\x8f' + b'HTTP/1.0 400 Ba')

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
# Graphics: stored and printed, with a 32-bit length, defined by key and
# printed, a function the printer lacks, and an oversized length.
seed('vprinter_decoder', 'graphics_store', b'\x02\x07\x03'
     + h('1D 28 4C 0B 00 30 70 30 01 01 31 08 00 01 00 FF 1D 28 4C 02 00 30 32 0A'))
seed('vprinter_decoder', 'graphics_gs8l', b'\x01\x02'
     + h('1D 38 4C 0C 00 00 00 30 71 30 02 02 31 01 00 10 00 FF FF 1D 38 4C 02 00 00 00 30 32'))
seed('vprinter_decoder', 'graphics_keys', b'\x01\x09'
     + h('1D 28 4C 0C 00 30 43 30 47 31 01 08 00 01 00 31 FF 1D 28 4C 06 00 30 45 47 31 02 01'
         '1D 28 4C 04 00 30 42 47 31 1D 28 4C 05 00 30 51 43 4C 52'))
seed('vprinter_decoder', 'graphics_unknown', b'\x00' + h('1D 28 4C 02 00 30 7F 1D 28 45 03 00 01 02 03 41 0A'))
seed('vprinter_decoder', 'graphics_oversized', b'\x01\x05' + h('1D 38 4C F0 FF FF 7F 30 70 1B 40 41 0A'))

# Whole streams drawn: first byte bit 0 for 58 mm paper, bit 1 for Chinese mode at power-on.
seed('stream_render', 'text_modes_cut', b'\x02' + h('1B 40 1B 61 01 1D 21 11') + b'Title\n'
     + h('1D 21 00 1B 61 00 1B 45 01') + b'Bold ' + h('1B 45 00 1B 2D 01') + b'under\n'
     + h('C4 E3 BA C3 0A 1D 56 01') + b'after the cut\n')
seed('stream_render', 'pictures_58', b'\x01' + h('1D 76 30 03 02 00 04 00 FF 00 00 FF AA 55 80 01')
     + h('1B 2A 21 04 00') + bytes(range(12)) + h('0A')
     + h('1C 71 01 01 00 01 00 80 40 20 10 08 04 02 01 1C 70 01 03'))
seed('stream_render', 'graphics', b'\x00' + h('1B 61 01 1D 28 4C 0B 00 30 70 30 02 02 31 08 00 01 00 FF 1D 28 4C 02 00 30 32')
     + h('1D 28 4C 0C 00 30 53 30 44 31 01 08 00 01 00 31 0F 1D 28 4C 06 00 30 55 44 31 01 02 1D 56 00'))
seed('stream_render', 'codes', b'\x02' + h('1D 48 02 1D 68 40 1D 77 02 1D 6B 43 0C') + b'490123456789'
     + h('1D 6B 04') + b'ABC-1' + h('00 1D 28 6B 03 00 31 43 04 1D 28 6B 03 00 31 45 31')
     + h('1D 28 6B 08 00 31 50 30') + b'QR 12' + h('1D 28 6B 03 00 31 51 30')
     + h('1D 6B 41 0C') + b'12345678901X')
seed('stream_render', 'user_chars_and_tables', b'\x00' + h('1B 25 01 1B 26 03 41 42 02') + bytes(6) + bytes([0xFF] * 6)
     + b'ABAB\n' + h('1B 74 10') + bytes([0x80, 0xE9]) + h('1B 52 02') + b'[]{}\n' + h('1B 74 63') + b'x\n'
     + h('1F 1B 0D'))
seed('stream_render', 'pdf417', b'\x01' + h('1D 28 6B 03 00 30 43 02 1D 28 6B 03 00 30 44 04 1D 28 6B 04 00 30 45 30 35')
     + h('1D 28 6B 0B 00 30 50 30') + b'PDF 417!' + h('1D 28 6B 03 00 30 51 30 1D 28 6B 03 00 32 41 01 0A'))
# Bit 2: one page at most, bit 3: pages of 100 dots, bit 4: lists of two entries.
seed('stream_render', 'bounds', b'\x1c' + h('1B 33 FF 1B 64 FF') + b'top\n' + h('1B 64 FF 1D 56 00 1B 64 10 1D 56 00')
     + h('1D 76 30 00 01 00 C8 00') + bytes([0xAA] * 200) + h('1B 8F 1B 8F 1B 8F') + b'two\n' + h('1D 56 00') + b'three\n')
