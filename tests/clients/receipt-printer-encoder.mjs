// Receipts from a real ESC/POS client, @point-of-sale/receipt-printer-encoder
// (installed by scripts/deps.sh under the build folder): text, styles, tables,
// barcodes, QR codes, PDF417, pictures in both of its modes, the drawer and cuts.
//
//   node receipt-printer-encoder.mjs NPM_DIR OUT_DIR
//
// writes one file of bytes per receipt into OUT_DIR and prints their names.
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [npmDir, outDir] = process.argv.slice(2);
const require = createRequire(join(npmDir, 'package.json'));
const ReceiptPrinterEncoder = require('@point-of-sale/receipt-printer-encoder');

// A picture: a black frame with a diagonal, width x height, as RGBA.
function picture(width, height) {
  const data = new Uint8ClampedArray(width * height * 4).fill(255);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const ink = x < 4 || y < 4 || x >= width - 4 || y >= height - 4 || Math.abs(x - y * width / height) < 3;
      if (ink) {
        const i = (y * width + x) * 4;
        data[i] = data[i + 1] = data[i + 2] = 0;
      }
    }
  }
  return { data, width, height };
}

function styled(encoder) {
  return encoder
    .initialize()
    .codepage('cp437')
    .align('center').size(2, 2).line('QUILLMARK CAFE').size(1, 1)
    .line('Main Street 1')
    .align('left')
    .rule()
    .bold(true).text('Bold').bold(false).text(' ')
    .underline(true).text('Underlined').underline(false).text(' ')
    .italic(true).text('Italic').italic(false).newline()
    .invert(true).line(' Inverted ').invert(false)
    .width(2).line('Wide').width(1)
    .height(2).line('Tall').height(1)
    .font('B').line('Font B is smaller').font('A')
    .table(
      [{ width: 30, marginRight: 2, align: 'left' }, { width: 16, align: 'right' }],
      [['Green tea', '3.50'], ['Noodles', '12.00'], [(e) => e.bold(true).text('Total'), (e) => e.bold(true).text('15.50')]],
    )
    .rule({ style: 'double' })
    .align('right').line('Thank you').align('left');
}

const receipts = {
  // ESC * column pictures (the library's default), barcodes, a QR code, a PDF417 symbol, drawer, full cut.
  'column-pictures': styled(new ReceiptPrinterEncoder({ columns: 48 }))
    .align('center')
    .barcode('3130630574613', 'ean13', 60)
    .barcode('QUILLMARK-128', 'code128', 60)
    .barcode('ABC123', 'code39', 50)
    .qrcode('https://example.invalid/receipt/42', 2, 6, 'm')
    .pdf417('QUILLMARK RECEIPT 42', { width: 2, height: 4, errorlevel: 3 })
    .image(picture(96, 48), 96, 48, 'threshold')
    .align('left')
    .pulse()
    .cut(),
  // GS v 0 raster pictures, 58 mm paper, a partial cut after a feed.
  'raster-pictures': new ReceiptPrinterEncoder({ columns: 32, imageMode: 'raster', feedBeforeCut: 4 })
    .initialize()
    .line('Raster picture')
    .image(picture(128, 64), 128, 64, 'threshold')
    .barcode('12345670', 'ean8', 40)
    .qrcode('58 mm', 1, 4, 'h')
    .cut('partial'),
  // Two receipts in one stream: two cuts, European text in a code page of the library's choice.
  'two-cuts': new ReceiptPrinterEncoder({ columns: 48 })
    .initialize()
    .codepage('auto')
    .line('Café crème 2,50 €')
    .line('Größe: Straße')
    .cut()
    .line('Second receipt')
    .barcode('0123456789', 'itf', 40)
    .cut(),
};

for (const [name, encoder] of Object.entries(receipts)) {
  const file = join(outDir, `${name}.bin`);
  writeFileSync(file, encoder.encode());
  console.log(file);
}
